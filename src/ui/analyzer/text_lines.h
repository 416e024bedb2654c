#pragma once
// A few lines of small fixed-width text, painted: the list of the last ten presses.
#include <QStringList>
#include <QWidget>

namespace tap::ui {

class TextLines : public QWidget {
public:
    explicit TextLines(QWidget* parent);
    void setLines(const QStringList& lines);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QStringList lines_;
};

// The small fixed-width font of the analyzer's figures and lists.
QFont figureFont(int pixelSize = 9);

}  // namespace tap::ui
