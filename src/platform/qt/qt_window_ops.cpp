#include "platform/qt/qt_window_ops.h"

#include <QApplication>
#include <QBitmap>
#include <QImage>
#include <QRegion>
#include <QScreen>

#include "core/appearance/window_shapes.h"

namespace tap::qt {

QRegion regionOf(const WindowShape& shape) {
    const Rect& o = shape.outline;
    QImage bits(o.right, o.bottom, QImage::Format_Mono);
    // In a bitmap, black (color1) marks the pixels that belong to the region.
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    for (int y = o.top; y < o.bottom; ++y)
        for (int x = o.left; x < o.right; ++x)
            if (shapes::contains(shape, {x, y})) bits.setPixel(x, y, 1);
    return QRegion(QBitmap::fromImage(bits));
}

void QtWindowOps::setAlwaysOnTop(bool onTop) {
    if (!window_) return;
    const bool visible = window_->isVisible();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides the window; bring it back where it was.
    if (visible) window_->show();
}

void QtWindowOps::setShape(const WindowShape& shape) {
    shape_ = shape;
    if (window_) window_->setMask(regionOf(shape));
}

Point QtWindowOps::position() {
    if (!window_) return {};
    const QPoint p = window_->pos();
    return {p.x(), p.y()};
}

void QtWindowOps::move(Point topLeft) {
    if (window_) window_->move(topLeft.x, topLeft.y);
}

void QtWindowOps::minimise() {
    if (window_) window_->showMinimized();
}

void QtWindowOps::bringToFront() {
    if (!window_) return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (QWidget* dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void QtWindowOps::disableInputMethod() {
    if (window_) window_->setAttribute(Qt::WA_InputMethodEnabled, false);
}

Size QtWindowOps::screenSize() {
    const Rect area = screenArea();
    return {area.width(), area.height()};
}

Rect QtWindowOps::screenArea() {
    const QScreen* screen = window_ && window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return {0, 0, 1024, 768};
    const QRect g = screen->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void QtWindowOps::focusDevice() {
    if (window_) window_->activateWindow();
}

void QtWindowOps::showPopupMenu(Point screenPos) {
    if (openMenu) openMenu(screenPos);
}

void QtWindowOps::quit(int exitCode) { QCoreApplication::exit(exitCode); }

}  // namespace tap::qt
