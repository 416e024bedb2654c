#pragma once
// The back of the device: seals over the record-reset button, and turning the window over.
#include "core/appearance/face.h"

namespace tap {

class Device;

class BackFace {
public:
    explicit BackFace(Device& d) : d_(d) {}

    void show_uramen();
    void URAMEN_Click();
    void OMOTE_Click();
    void Image4_Click();
    void Image3_Click();
    void Image2_Click();
    void mouseDown(El e);
    void mouseUp(El e);

private:
    void resetRecord();
    Device& d_;
};

}  // namespace tap
