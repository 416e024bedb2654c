#pragma once
// View size, always-on-top, dragging by the face and quitting.
#include <string>

#include "core/device/face_mouse.h"
#include "core/platform.h"

namespace tap {

class Device;

class ViewControl {
public:
    explicit ViewControl(Device& d) : d_(d) {}

    void VIEW_MAX_Click();
    void VIEW_COMPACT_Click();
    void VIEW_MIN_Click();
    void TOP_VIEW_Click();
    void Quit_Click();

    void surfaceMouseDown(El surface, const MouseEvent& ev);
    void surfaceMouseMove(const MouseEvent& ev, int buttonsHeld);
    void surfaceMouseUp(El surface, const MouseEvent& ev);

    // A modal message box with the window taken out of the always-on-top layer around it.
    MessageAnswer message(const std::string& text, MessageIcon icon, MessageButtons buttons);
    // Leave / re-enter the always-on-top layer around a modal window when TOP_VIEW is checked.
    void liftTopmost();
    void restoreTopmost();

private:
    void switchView(bool compact);
    Device& d_;
};

}  // namespace tap
