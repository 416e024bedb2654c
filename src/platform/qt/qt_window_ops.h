#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/platform.h"

namespace tap::qt {

// Window operations on the device window.
class QtWindowOps : public WindowOps {
public:
    void setWindow(QWidget* w) { window_ = w; }
    // Opens the pop-up menu at a screen point; set by the view that owns the menu.
    std::function<void(Point)> openMenu;

    void setAlwaysOnTop(bool onTop) override;
    void setShape(const WindowShape& shape) override;
    Point position() override;
    void move(Point topLeft) override;
    void minimise() override;
    void disableInputMethod() override;
    Size screenSize() override;
    Rect screenArea() override;
    void focusDevice() override;
    void showPopupMenu(Point screenPos) override;
    void quit(int exitCode) override;

    // Shows the device in front of other windows, out of the task bar if it was minimised, with an open
    // dialog of the device in front of it.
    void bringToFront();

    // The shape last given to the window.
    const WindowShape& shape() const { return shape_; }

private:
    QPointer<QWidget> window_;
    WindowShape shape_;
};

// The shape as a window mask, pixel for pixel as the core defines it.
QRegion regionOf(const WindowShape& shape);

}  // namespace tap::qt
