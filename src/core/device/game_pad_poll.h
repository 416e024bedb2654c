#pragma once
// Game pads polled every 25 ms; press and release edges of the assigned buttons act like keys.

namespace tap {

class Device;

class GamePadPoll {
public:
    explicit GamePadPoll(Device& d) : d_(d) {}

    void probe();
    // Timer_GetGameControllerInfo tick.
    void poll();

private:
    void pressed(int which);
    void released(int which);
    Device& d_;
};

}  // namespace tap
