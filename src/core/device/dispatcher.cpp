#include "core/device/dispatcher.h"

#include "core/device/device.h"

namespace tap {

namespace {
// During a run a press or release carries its own clock reading rather than the loop's last pass.
void stampInputTime(Device& d, Millis at = {}) {
    if (d.s.shootState == 2) d.s.timeNow = at.isZero() ? d.p.clock.tickNow() : at;
}

// The run second of the input being handled; before the loop's start reading it is the first.
std::int16_t inputSecond(const Device& d) {
    return d.s.shootState == 2 ? PressLog::secondOf(d.s.timeNow - d.s.timeStart) : d.log.secondIndex;
}

// A setting that A or B steps on: after `last` it starts again from 0.
void stepWrapping(i16& v, int last) { v = v > last - 1 ? 0 : static_cast<i16>(v + 1); }
}  // namespace

void Dispatcher::Form_KeyDown(std::int16_t keyCode, int /*shift*/) { keyDownAt(keyCode, Millis{}); }

void Dispatcher::keyDownAt(std::int16_t keyCode, Millis at) {
    inputAt_ = at;
    source_ = d_.recorder.takeSource();
    if (d_.s.backSideShown == 1) return;
    const auto& k = d_.s.keys;
    // The first matching face button decides, so two buttons on one key act as the earlier one.
    if (keyCode == k.keyCodeSelect) {
        if (d_.s.shootState != 2 && d_.s.explosionBusy == 0) d_.modes.select();
    } else if (keyCode == k.keyCodeStart) {
        startPressed();
    } else if (keyCode == k.keyCodeB) {
        bPressed();
    } else if (keyCode == k.keyCodeA) {
        aPressed();
    }
}

void Dispatcher::startPressed() {
    auto& s = d_.s;
    switch (s.modeNo) {
        case 0:
            if (s.shootState == 0 || s.shootState == 3) d_.shooting.arm();
            break;
        case 1:
            if (s.alarmEditing) {
                d_.countdown.leaveAlarmSetting();
                s.modeNo = static_cast<i16>(s.modeNo - 1);
                Form_KeyDown(s.keys.keyCodeSelect, 0);
            } else {
                s.alarmEditing = true;
                d_.countdown.startAlarmSetting();
            }
            break;
        case 2:
            d_.countdown.Mode_Countdown_Stop_Clear();
            if (s.watchIsStopwatch != 0) {
                s.watchIsStopwatch = 0;
                d_.display.setLarge(El::s1000, pics::kBlank);
                d_.countdown.DispMode_Countdown(s.countdownField);
                d_.face.setCaption(Label::cntType, "0");
            } else {
                s.watchIsStopwatch = 1;
                d_.stopwatch.Mode_Stop();
                d_.face.setCaption(Label::cntType, "1");
            }
            break;
        case 3:
            if (s.slotRunning == 0) {
                s.slotRunning = 1;
                s.slotStops = 0;
                d_.slot.Mode_Slot();
            }
            break;
        case 4:
            if (s.explosionBusy == 0) d_.explosion.run();
            break;
        default: break;
    }
}

void Dispatcher::bPressed() {
    auto& s = d_.s;
    switch (s.modeNo) {
        case 0: registerPress(Button::B); break;
        case 1:
            d_.display.showLargeDigits(true);
            d_.display.showSmallDigits(true);
            stepWrapping(s.alarmField, 2);
            break;
        case 2:
            if (s.watchIsStopwatch != 0) {
                d_.stopwatch.pressB();
            } else if (s.countdownState == 0) {
                stepWrapping(s.countdownField, 2);
                d_.countdown.DispMode_Countdown(s.countdownField);
            }
            break;
        case 3:
            if (s.slotRunning == 0) d_.slot.toggleReels();
            break;
        case 4: d_.display.blastCountStep(); break;
        default: break;
    }
}

void Dispatcher::aPressed() {
    auto& s = d_.s;
    switch (s.modeNo) {
        case 0: registerPress(Button::A); break;
        case 1:
            if (s.alarmEditing) {
                if (s.alarmField == 0) stepWrapping(s.alarmSecond, 59);
                else if (s.alarmField == 1) stepWrapping(s.alarmMinute, 59);
                else if (s.alarmField == 2) stepWrapping(s.alarmHour, 23);
                d_.countdown.showAlarmTime();
            }
            break;
        case 2:
            if (s.watchIsStopwatch != 0) {
                d_.stopwatch.pressA();
            } else if (s.countdownState == 0) {
                d_.countdown.Mode_Countdown();
            } else {
                s.countdownState = 0;
                d_.countdown.DispMode_Countdown(s.countdownField);
            }
            break;
        case 3:
            if (s.slotStops < 4) ++s.slotStops;
            break;
        case 4: d_.display.blastCountStep(); break;
        default: break;
    }
}

void Dispatcher::registerPress(Button b) {
    auto& s = d_.s;
    bool& hold = b == Button::A ? s.holdA : s.holdB;
    if (hold) return;  // a held key's repeats never count
    hold = true;
    if (!s.measuring && s.shootState == 1) {
        s.measuring = true;
        d_.log.ClearSeconds();
        d_.runKeeper.runStarts();
        countPress(b);
        d_.shooting.Mode_ShootingCount();
    } else if (s.measuring) {
        // The press carries its own time rather than the loop's last pass, so that it lands in the right
        // second and one that comes after the ten seconds, before the loop has noticed, is not counted.
        stampInputTime(d_, inputAt_);
        if (inputSecond(d_) < 10) countPress(b);
    }
}

void Dispatcher::countPress(Button b) {
    auto& s = d_.s;
    auto& log = d_.log;
    const bool isA = b == Button::A;
    const PressKind kind = isA ? PressKind::A : PressKind::B;
    auto& slots = isA ? log.slotCountA : log.slotCountB;
    i16& count = isA ? s.countA : s.countB;
    if (count < 32767) ++count;
    log.countPress(kind, s.slotIndex, inputSecond(d_));
    // The first press starts the run's clock: it lies at 0.
    d_.recorder.press(kind, source_, s.shootState == 2 ? s.timeNow - s.timeStart : Millis{});
    int sum = 0;
    for (int i = 0; i <= 9; ++i)
        if (s.slotIndex - i >= 0) sum += slots[s.slotIndex - i];
    double gauge = 3.0 * sum;
    if (gauge > 84) gauge = 84;
    (isA ? s.speedA : s.speedB) = gauge;
    (isA ? s.peakA : s.peakB) = gauge;  // the peak marker starts from the new level
    d_.shooting.Mode_Shooting();
    if (s.analyzerOn) d_.analyzer.perPress(kind);
}

void Dispatcher::Form_KeyUp(std::int16_t keyCode, int /*shift*/) {
    auto& s = d_.s;
    const auto& k = d_.s.keys;
    const bool logsRelease = s.measuring && s.modeNo == 0 && (keyCode == k.keyCodeA || keyCode == k.keyCodeB);
    if (logsRelease) stampInputTime(d_);
    if (keyCode == k.keyCodeB) {
        if (s.modeNo == 1 && !s.alarmEditing) d_.clock.Mode_Clock();
        s.holdB = false;
        if (logsRelease) logRelease(PressKind::B, s.timeNow);
    } else if (keyCode == k.keyCodeA) {
        s.holdA = false;
        if (logsRelease) logRelease(PressKind::A, s.timeNow);
    }
}

void Dispatcher::logRelease(PressKind kind, Millis at) {
    const auto& s = d_.s;
    const Millis elapsed = at - s.timeStart;
    d_.log.logRelease(kind, elapsed, kind == PressKind::A ? s.countA : s.countB);
    d_.recorder.release(kind, elapsed);
}

}  // namespace tap
