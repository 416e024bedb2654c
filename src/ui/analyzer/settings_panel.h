#pragma once
// The settings panel below the pages: the display options, the 16-press line, the score display, and the
// press lists of the run.
#include <QButtonGroup>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <vector>

#include "core/analyzer/analyzer_window.h"
#include "ui/analyzer/text_lines.h"

namespace tap::ui {

class SettingsPanel : public QWidget {
public:
    SettingsPanel(AnalyzerWindow& model, QWidget* parent);
    void refreshOptions();
    void refreshPressList();
    void refreshTimeLists();

private:
    QButtonGroup* group(const char* title, QRect where, std::initializer_list<std::pair<int, const char*>> choices,
                        void (AnalyzerWindow::*handler)(int));
    AnalyzerWindow& model_;
    QButtonGroup *option1_, *option2_, *option3_, *option4_, *option5_;
    std::vector<QWidget*> optionBoxes_;  // usable only between runs
    QCheckBox* check1_;
    QPushButton* command2_;
    TextLines* list1_;
    QScrollBar* vsb1_;
    QListWidget *list2_, *list3_;
};

}  // namespace tap::ui
