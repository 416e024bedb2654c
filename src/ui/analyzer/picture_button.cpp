#include "ui/analyzer/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace tap::ui {

PictureButton::PictureButton(const PictureBook& book, PictureId picture, QWidget* parent)
    : QAbstractButton(parent), book_(book), picture_(picture) {
    const Size s = pictureSize(picture);
    setFixedSize(s.width, s.height);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(PictureId picture) {
    if (picture == picture_) return;
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, book_.pixmap(picture_));
    if (isDown()) p.fillRect(rect(), QColor(0, 0, 0, 60));
}

void PictureButton::mouseReleaseEvent(QMouseEvent* e) {
    QAbstractButton::mouseReleaseEvent(e);
    if (onMouseUp) onMouseUp();
}

}  // namespace tap::ui
