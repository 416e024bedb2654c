#pragma once
// SELECT: the mode cycle and the entry steps of each mode.

namespace tap {

class Device;

class ModeSwitch {
public:
    explicit ModeSwitch(Device& d) : d_(d) {}

    void select();

private:
    void enterMode();
    Device& d_;
};

}  // namespace tap
