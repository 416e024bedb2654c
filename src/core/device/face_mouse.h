#pragma once
// Routes mouse events on face elements to the handlers of the element they hit.
#include "core/appearance/face.h"
#include "core/geometry.h"

namespace tap {

class Device;

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct MouseEvent {
    int button = kLeftButton;
    Point screen;  // cursor in screen pixels
};

class FaceMouse {
public:
    explicit FaceMouse(Device& d) : d_(d) {}

    void mouseDown(El e, const MouseEvent& ev);
    void mouseMove(El e, const MouseEvent& ev, int buttonsHeld);
    void mouseUp(El e, const MouseEvent& ev);
    // A press and release on the same element.
    void click(El e, const MouseEvent& ev);
    // The second press of a double click, arriving instead of a mouse-down.
    void doubleClick(El e, const MouseEvent& ev);

private:
    Device& d_;
};

}  // namespace tap
