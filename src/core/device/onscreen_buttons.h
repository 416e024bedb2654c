#pragma once
// The face buttons drawn on the device, clicked with the mouse: they deliver the same key-downs and
// key-ups as the keyboard.
#include "core/appearance/face.h"

namespace tap {

class Device;

class OnScreenButtons {
public:
    explicit OnScreenButtons(Device& d) : d_(d) {}

    static bool isButton(El e);
    void mouseDown(El e, int button);
    void mouseUp(El e, int button);
    void click(El e);
    void doubleClick(El e);

private:
    Device& d_;
};

}  // namespace tap
