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

    static constexpr int kPollMs = 25;
    // With no pad plugged in nothing can be pressed: the timer then only looks for one this often.
    static constexpr int kSearchMs = 100;

private:
    // The first pad that answers brings the 25 ms poll back; a stopped timer (key setup) stays stopped.
    void pace(bool anyPadAnswered);
    void pressed(int which);
    void released(int which);
    Device& d_;
};

}  // namespace tap
