#pragma once
// The key setup dialog's window. It keeps nothing of its own: the core's KeySetupDialog says what the
// tabs, labels, lines and pad list show; the window forwards clicks, keys and its buttons.
#include <QDialog>
#include <array>

#include "core/keysetup/key_setup_dialog.h"

class QLabel;
class QStackedWidget;
class QTabBar;

namespace tap::ui {

class AssignLabel;
class ControllerPicture;
class PadTesterView;

class KeySetupWindow : public QDialog {
    Q_OBJECT
public:
    KeySetupWindow(KeySetupDialog& model, QWidget* owner);
    ~KeySetupWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    // Escape and the close box cancel, as the Cancel button does.
    void reject() override;

private:
    QWidget* buildStage();
    QWidget* buildRows(QWidget* stage, std::array<AssignLabel*, 4>& labels, const char* toolTip, bool pad);
    void refresh();
    bool keyEvent(QKeyEvent* e);

    KeySetupDialog& model_;
    QTabBar* tabs_ = nullptr;
    QWidget* frameKey_ = nullptr;
    QWidget* frameButton_ = nullptr;
    std::array<AssignLabel*, 4> keyLabels_{}, padLabels_{};
    ControllerPicture* picture_ = nullptr;
    QLabel* checkKey_ = nullptr;
    QLabel* checkButton2_ = nullptr;
    QStackedWidget* notes_ = nullptr;
    PadTesterView* tester_ = nullptr;
};

}  // namespace tap::ui
