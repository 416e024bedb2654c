#include "ui/game_window.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/window_picture.h"

namespace tap::ui {

GameWindow::GameWindow(const PictureBook& book, QWidget* owner, const QString& title)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), book_(book) {
    setWindowTitle(title);
    // The device keeps the keyboard: showing a game window never takes the focus from it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void GameWindow::follow(const WindowModel& m) {
    const QSize size(m.size.width, m.size.height);
    if (this->size() != size) setFixedSize(size);
    if (m.shape != shape_) {
        shape_ = m.shape;
        if (shape_)
            setMask(maskOf(*shape_));
        else
            clearMask();
    }
    if (m.picture != picture_) {
        picture_ = m.picture;
        update();
    }
    if (pos() != QPoint(m.pos.x, m.pos.y)) move(m.pos.x, m.pos.y);
    setVisible(m.loaded && m.visible);
}

void GameWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintWindowPicture(p, picture_, book_, size());
}

void GameWindow::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && onDoubleClick) onDoubleClick();
}

}  // namespace tap::ui
