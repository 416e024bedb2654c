#pragma once
// Mode 0: the ten-second shooting measurement and the best-record display.
#include "core/millis.h"

namespace tap {

class Device;

class Shooting {
public:
    explicit Shooting(Device& d) : d_(d) {}

    void DispMode_Shooting();
    void Mode_Shooting();
    // The measuring loop: returns when the run has ended.
    void Mode_ShootingCount();
    // START in mode 0 while idle or finished.
    void arm();

    // How long the loop waits between passes with a pad attached: a pad is seen only when a pass reads it.
    static constexpr Millis kPadPassWait = Millis::fromMs(1);

private:
    Millis passWait() const;
    void endOfRun();
    void unlock();
    // The small digits during a run: "10", then a blank and the last digit.
    void showSecondsLeft(int seconds);
    Device& d_;
};

}  // namespace tap
