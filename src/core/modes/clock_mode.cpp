#include "core/modes/clock_mode.h"

#include <string>
#include <vector>

#include "core/device/device.h"

namespace tap {

namespace {
bool isKoro(int style) { return style == 2 || style == 3; }
bool isTwelveHour(int style) { return style == 1 || style == 3; }
}  // namespace

void ClockMode::Mode_Clock() {
    auto& s = d_.s;
    s.padHoldSelect = true;  // a pad SELECT counts again only once the button is seen released
    d_.face.setVisible(El::dot, true);
    s.clockLoopRunning = true;
    if (loopActive_) {
        drawTime(d_.p.clock.timeOfDay());
        return;
    }
    loopActive_ = true;
    while (d_.running(s.clockLoopRunning)) {
        // One reading per pass: hour, minute and second read apart could straddle a minute or an hour
        // and show, or ring for, a time that never was.
        const TimeOfDay now = d_.p.clock.timeOfDay();
        drawTime(now);
        checkAlarm(now);
        d_.pad.poll();
        d_.yieldFor(kPassWait);
    }
    loopActive_ = false;
}

void ClockMode::drawTime(const TimeOfDay& t) {
    const int style = d_.s.timeMode;
    int minute = t.minute;
    int hour = t.hour;
    if (isKoro(style)) minute = minute < 30 ? 0 : 30;
    if (isTwelveHour(style) && hour > 11) hour -= 12;  // noon and midnight both read 0

    auto& display = d_.display;
    if (isKoro(style)) {
        display.setSmall(El::t10, pics::kKoroGlyph1);
        display.setSmall(El::t01, pics::kKoroGlyph2);
    } else {
        display.showPair(t.second);
    }
    display.setLarge(El::s1000, hour / 10 == 0 ? pics::kBlank : hour / 10);
    display.setLarge(El::s0100, hour % 10);
    display.setLarge(El::s0010, minute / 10);
    display.setLarge(El::s0001, minute % 10);
}

void ClockMode::checkAlarm(const TimeOfDay& t) {
    const auto& s = d_.s;
    // Compared on every pass: a notice closed within the alarm second comes up again.
    if (s.alarmOn == 1 && t.second == s.alarmSecond && t.minute == s.alarmMinute && t.hour == s.alarmHour)
        d_.countdown.alarmNotice();
}

void ClockMode::styleClick(int style) {
    static const std::vector<std::string> kItems = {"CLOCK_24", "CLOCK_12", "CLOCK_24_ABOUT", "CLOCK_12_ABOUT"};
    auto& s = d_.s;
    s.timeMode = static_cast<i16>(style);
    d_.menu.checkOnly(kItems[style], kItems);
    s.koroClock = isKoro(style);
    if (s.koroClock) {
        s.koroBlinkPhase = 1;
        d_.KoroBlink->setInterval(450);
    } else {
        d_.KoroBlink->setInterval(0);
        // The blink may have left the seconds hidden.
        d_.display.showSmallDigits(true);
    }
}

}  // namespace tap
