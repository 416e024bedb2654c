#include "core/modes/countdown_alarm.h"

#include "core/device/device.h"
#include "core/modes/alarm_notice.h"

namespace tap {

void CountdownAlarm::Mode_Countdown_Stop_Clear() {
    auto& s = d_.s;
    s.countdownState = 0;
    s.stopwatchState = 0;
    s.stopwatchStarted = false;
    d_.display.blinkModeMarker(false);
}

void CountdownAlarm::DispMode_Countdown(std::int16_t& field) {
    auto& s = d_.s;
    if (field == 0) s.countdownMinutes = 2;
    else if (field == 1) s.countdownMinutes = 3;
    else if (field == 2) s.countdownMinutes = 5;
    d_.display.setLarge(El::s1000, pics::kBlank);
    d_.display.setLarge(El::s0100, s.countdownMinutes);
    d_.display.setLarge(El::s0010, 0);
    d_.display.setLarge(El::s0001, 0);
    d_.display.setSmall(El::t10, pics::kBlank);
    d_.display.setSmall(El::t01, s.countdownMinutes);
}

void CountdownAlarm::Mode_Countdown() {
    auto& s = d_.s;
    s.countdownSeconds = 60;
    --s.countdownMinutes;
    s.timeLast = d_.p.clock.tickNow();
    s.countdownState = 1;
    if (loopActive_) return;
    loopActive_ = true;
    while (d_.running(s.countdownState == 1)) {
        s.timeNow = d_.p.clock.tickNow();
        s.timeSince = s.timeNow - s.timeLast;
        if (s.timeSince > 1000) {
            if (s.countdownSeconds < 1) {
                s.countdownSeconds = 59;
                // 0 00 stays shown for one more second before the count ends.
                if (s.countdownMinutes < 1) {
                    s.countdownState = 2;
                    break;
                }
                --s.countdownMinutes;
            } else {
                --s.countdownSeconds;
            }
            d_.display.setLarge(El::s0100, s.countdownMinutes);
            d_.display.setLarge(El::s0010, s.countdownSeconds / 10);
            d_.display.setLarge(El::s0001, s.countdownSeconds % 10);
            s.timeLast += Millis::fromMs(1000);
        }
        d_.pad.poll();
        d_.yieldFor(kPassWait);
    }
    loopActive_ = false;
}

void CountdownAlarm::ALARM_ON_Click() { switchAlarm(1); }

void CountdownAlarm::ALARM_OFF_Click() { switchAlarm(0); }

void CountdownAlarm::switchAlarm(std::int16_t on) {
    d_.menu.checkOnly(on == 1 ? "ALARM_ON" : "ALARM_OFF", {"ALARM_ON", "ALARM_OFF"});
    d_.s.alarmOn = on;
    showAlarmSymbol();
}

void CountdownAlarm::showAlarmSymbol() {
    d_.face.setPicture(El::alarm_icon, {d_.s.alarmOn != 0 ? PicTable::AlarmOn : PicTable::AlarmOff,
                                        static_cast<std::int8_t>(d_.s.compactView ? 1 : 0)});
}

void CountdownAlarm::startAlarmSetting() {
    auto& s = d_.s;
    s.alarmField = 0;
    s.alarmBlinkPhase = 1;
    s.clockLoopRunning = false;
    d_.AlarmBlink->setInterval(450);
    showAlarmTime();
}

void CountdownAlarm::leaveAlarmSetting() {
    auto& s = d_.s;
    if (!s.alarmEditing) return;
    s.alarmEditing = false;
    d_.AlarmBlink->setInterval(0);
    // The blink may have left a field hidden.
    d_.display.showLargeDigits(true);
    d_.display.showSmallDigits(true);
}

void CountdownAlarm::showAlarmTime() {
    const auto& s = d_.s;
    auto& display = d_.display;
    display.setLarge(El::s1000, s.alarmHour / 10 == 0 ? pics::kBlank : s.alarmHour / 10);
    display.setLarge(El::s0100, s.alarmHour % 10);
    display.setLarge(El::s0010, s.alarmMinute / 10);
    display.setLarge(El::s0001, s.alarmMinute % 10);
    display.showPair(s.alarmSecond);
}

void CountdownAlarm::alarmNotice() {
    d_.view.liftTopmost();
    AlarmNotice notice(d_.p);
    d_.p.dialogs.alarmNotice(notice);
    d_.view.restoreTopmost();
}

}  // namespace tap
