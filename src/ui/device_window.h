#pragma once
// The device window: paints the face model, forwards keys and mouse to the core, opens the pop-up menu.
#include <QCursor>
#include <QWidget>
#include <optional>

#include "core/device/device.h"
#include "ui/guarded.h"
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
    // Runs a core handler, turning an unexpected failure into a message instead of a crash.
    template <typename F>
    void guarded(F&& handler) {
        ui::guarded(this, std::forward<F>(handler));
    }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    std::optional<El> elementAt(const QPointF& pos) const;
    MouseEvent mouseEventOf(const QMouseEvent* e) const;
    void updateCursor(std::optional<El> over);
    QCursor cursorFor(CursorShape shape) const;

    Device& device_;
    const PictureBook& book_;
    std::optional<El> captured_;  // the element that took the mouse-down receives the moves and the release
    QCursor fingerNormal_, fingerPressed_;
};

}  // namespace tap::ui
