#pragma once
// The device window: paints the face model, forwards keys and mouse to the core, opens the pop-up menu.
#include <QCursor>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/device/device.h"
#include "core/device/held_keys.h"
#include "platform/qt/entry_guard.h"
#include "ui/picture_book.h"

namespace tap::ui {

class DeviceWindow : public QWidget {
    Q_OBJECT
public:
    DeviceWindow(Device& device, const PictureBook& book);

    // Builds the pop-up menu from the model and runs the chosen item.
    void openPopupMenu(Point screenPos);
    // A key of this window or of another window of ours that hands its keys to the device.
    void handleKey(const QKeyEvent& e, bool pressed);
    // Runs a core handler through the one guard of every entry into the device.
    template <typename F>
    void guarded(F&& handler) {
        qt::guarded(std::forward<F>(handler));
    }

    // Whether a physical key is down now (the platform's answer; a test may stand in for it).
    std::function<std::optional<bool>(std::uint32_t)> keyIsDown;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    std::optional<El> elementAt(const QPointF& pos) const;
    MouseEvent mouseEventOf(const QMouseEvent* e) const;
    void updateCursor(std::optional<El> over);
    QCursor cursorFor(CursorShape shape) const;
    // Releases the keys let go of while another window had the keyboard.
    void releaseMissedKeys();

    Device& device_;
    const PictureBook& book_;
    std::optional<El> captured_;  // the element that took the mouse-down receives the moves and the release
    bool doubleClicked_ = false;  // the next release ends a double click
    QCursor fingerNormal_, fingerPressed_;
    HeldKeys heldKeys_;
};

}  // namespace tap::ui
