#include "ui/assign_label.h"

#include <QMouseEvent>

namespace tap::ui {

AssignLabel::AssignLabel(const QString& toolTip, QWidget* parent) : QLabel(parent) {
    setToolTip(toolTip);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void AssignLabel::setLabel(const tap::AssignLabel& label) {
    setText(QString::fromStdString(label.caption));
    QPalette p = palette();
    const QColor waiting(255, 255, 0);
    p.setColor(QPalette::Window, label.colour == LabelColour::Waiting ? waiting : p.color(QPalette::Button));
    p.setColor(QPalette::WindowText, label.colour == LabelColour::Waiting ? QColor(Qt::black) : p.color(QPalette::ButtonText));
    setPalette(p);
}

void AssignLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit clicked();
}

}  // namespace tap::ui
