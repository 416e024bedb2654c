#pragma once
// Mode 2 as a countdown of 2, 3 or 5 minutes, and the clock's alarm: setting, switching and notice.
#include <cstdint>

#include "core/millis.h"

namespace tap {

class Device;

class CountdownAlarm {
public:
    explicit CountdownAlarm(Device& d) : d_(d) {}

    // Ends the stopwatch and the countdown, whichever runs.
    void Mode_Countdown_Stop_Clear();
    // Shows the preset of cursor `field` (0: 2, 1: 3, 2: 5 minutes).
    void DispMode_Countdown(std::int16_t& field);
    // Counts down from the shown preset; returns when finished or stopped. Called while its loop already
    // runs (stop and restart within one pass), it only restarts the count and lets that loop carry on.
    void Mode_Countdown();

    void ALARM_ON_Click();
    void ALARM_OFF_Click();
    // The alarm symbol for the switch's state in the view now shown.
    void showAlarmSymbol();
    // START in clock mode: the clock stops and the alarm time is shown for setting.
    void startAlarmSetting();
    // Ends alarm setting, if it is on: the blink stops and every digit is shown again.
    void leaveAlarmSetting();
    void showAlarmTime();
    // The modal notice that rings until confirmed, with the window out of the always-on-top layer.
    void alarmNotice();

    // Seconds are counted on a fixed grid, so a late pass only delays the display, never the count.
    static constexpr Millis kPassWait = Millis::fromMs(20);

private:
    void switchAlarm(std::int16_t on);
    Device& d_;
    bool loopActive_ = false;
};

}  // namespace tap
