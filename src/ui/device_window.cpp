#include "ui/device_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHelpEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QToolTip>
#include <utility>

#include "platform/qt/key_state.h"
#include "platform/qt/virtual_keys.h"
#include "ui/face_painter.h"
#include "ui/menu_builder.h"

namespace tap::ui {

namespace {

QCursor cursorFromSvg(const QPixmap& pm, const QString& source) {
    QFile f(source);
    int hx = 0, hy = 0;
    if (f.open(QIODevice::ReadOnly)) {
        const auto m = QRegularExpression(QStringLiteral("hotspot (\\d+) (\\d+)")).match(QString::fromUtf8(f.readAll()));
        if (m.hasMatch()) {
            hx = m.captured(1).toInt();
            hy = m.captured(2).toInt();
        }
    }
    return QCursor(pm, hx, hy);
}

int buttonOf(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return 0;
    }
}

}  // namespace

DeviceWindow::DeviceWindow(Device& device, const PictureBook& book)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), device_(device), book_(book) {
    setWindowTitle(QStringLiteral("Tapriko++"));
    setFixedSize(kWindowWidth, kWindowHeight);
    setAttribute(Qt::WA_TranslucentBackground, false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    fingerNormal_ = cursorFromSvg(book.cursorPixmap(0), QStringLiteral(":/pictures/cursors/cursor_normal.svg"));
    fingerPressed_ = cursorFromSvg(book.cursorPixmap(1), QStringLiteral(":/pictures/cursors/cursor_pressed.svg"));
    device_.face.onChange = [this] { update(); };
    keyIsDown = qt::isKeyDown;
}

void DeviceWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintFace(p, device_.face, book_);
}

void DeviceWindow::keyPressEvent(QKeyEvent* e) { handleKey(*e, true); }

void DeviceWindow::keyReleaseEvent(QKeyEvent* e) { handleKey(*e, false); }

void DeviceWindow::handleKey(const QKeyEvent& e, bool pressed) {
    // A repeated press still arrives as a key-down: the hold flags ignore it where presses are counted,
    // and alarm setting uses it to run the field on. A repeated release is dropped.
    if (!pressed && e.isAutoRepeat()) return;
    if (pressed) releaseMissedKeys();
    const auto vk = qt::virtualKeyOf(e);
    if (vk == 0) return;
    if (pressed) heldKeys_.pressed(vk, qt::nativeKeyOf(e));
    else heldKeys_.released(vk);
    guarded([&] { pressed ? device_.dispatcher.Form_KeyDown(vk, 0) : device_.dispatcher.Form_KeyUp(vk, 0); });
}

void DeviceWindow::focusOutEvent(QFocusEvent* e) {
    heldKeys_.keyboardLeft();
    QWidget::focusOutEvent(e);
}

void DeviceWindow::focusInEvent(QFocusEvent* e) {
    releaseMissedKeys();
    QWidget::focusInEvent(e);
}

void DeviceWindow::releaseMissedKeys() {
    if (!heldKeys_.away()) return;
    for (const auto vk : heldKeys_.keyboardBack(keyIsDown)) guarded([&] { device_.dispatcher.Form_KeyUp(vk, 0); });
}

std::optional<El> DeviceWindow::elementAt(const QPointF& pos) const {
    return device_.face.hitTest({static_cast<int>(pos.x()), static_cast<int>(pos.y())});
}

MouseEvent DeviceWindow::mouseEventOf(const QMouseEvent* e) const {
    const QPointF g = e->globalPosition();
    return {buttonOf(e->button()), {qRound(g.x()), qRound(g.y())}};
}

void DeviceWindow::mousePressEvent(QMouseEvent* e) {
    const auto hit = elementAt(e->position());
    if (!captured_) captured_ = hit;
    if (hit) guarded([&] { device_.mouse.mouseDown(*hit, mouseEventOf(e)); });
    updateCursor(captured_);
}

void DeviceWindow::mouseMoveEvent(QMouseEvent* e) {
    const auto target = captured_ ? captured_ : elementAt(e->position());
    int held = 0;
    if (e->buttons() & Qt::LeftButton) held |= kLeftButton;
    if (e->buttons() & Qt::RightButton) held |= kRightButton;
    if (target) guarded([&] { device_.mouse.mouseMove(*target, mouseEventOf(e), held); });
    updateCursor(target);
}

void DeviceWindow::mouseReleaseEvent(QMouseEvent* e) {
    const auto target = captured_;
    if (e->buttons() == Qt::NoButton) captured_.reset();
    // The double click has already acted as the second click: its release is no click of its own.
    const bool endsDoubleClick = std::exchange(doubleClicked_, false);
    if (!target) return;
    const MouseEvent ev = mouseEventOf(e);
    guarded([&] { device_.mouse.mouseUp(*target, ev); });
    if (!endsDoubleClick && elementAt(e->position()) == target) guarded([&] { device_.mouse.click(*target, ev); });
    updateCursor(elementAt(e->position()));
}

void DeviceWindow::mouseDoubleClickEvent(QMouseEvent* e) {
    doubleClicked_ = true;
    const auto hit = elementAt(e->position());
    if (!captured_) captured_ = hit;
    if (hit) guarded([&] { device_.mouse.doubleClick(*hit, mouseEventOf(e)); });
}

void DeviceWindow::updateCursor(std::optional<El> over) {
    setCursor(over ? cursorFor(device_.face[*over].cursor) : QCursor(Qt::ArrowCursor));
}

QCursor DeviceWindow::cursorFor(CursorShape shape) const {
    switch (shape) {
        case CursorShape::Move: return Qt::SizeAllCursor;
        case CursorShape::FingerNormal: return fingerNormal_;
        case CursorShape::FingerPressed: return fingerPressed_;
        case CursorShape::Default: break;
    }
    return Qt::ArrowCursor;
}

bool DeviceWindow::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const auto hit = elementAt(help->pos());
        const std::string tip = hit ? device_.face[*hit].toolTip : std::string();
        if (tip.empty()) QToolTip::hideText();
        else QToolTip::showText(help->globalPos(), QString::fromStdString(tip), this);
        return true;
    }
    if (e->type() == QEvent::WindowActivate) device_.lifecycle.Form_Activate();
    return QWidget::event(e);
}

void DeviceWindow::closeEvent(QCloseEvent* e) {
    // The device decides when the program ends: the close request goes through its shutdown.
    e->ignore();
    guarded([&] { device_.lifecycle.Form_Unload(0); });
}

void DeviceWindow::openPopupMenu(Point screenPos) {
    const QString chosen = execMenu(this, device_.menu, QPoint(screenPos.x, screenPos.y));
    if (!chosen.isEmpty()) guarded([&] { device_.menu.choose(chosen.toStdString()); });
}

}  // namespace tap::ui
