#include "core/modes/shooting.h"

#include <algorithm>

#include "core/device/device.h"

namespace tap {

namespace {
constexpr int kTickMs = 10;
constexpr int kTicksPerSlot = 10;
constexpr int kLastSlot = 100;

void decay(double& v, double step) { v = v > 0 ? v - step : 0; }
}  // namespace

void Shooting::DispMode_Shooting() {
    d_.settings.Load_MAX();
    d_.display.showCount(d_.s.bestRecord > 9999 ? 9999 : d_.s.bestRecord);
    d_.face.setVisible(El::dot, false);
}

void Shooting::Mode_Shooting() {
    auto& s = d_.s;
    s.countTotal = static_cast<i16>(std::min(s.countB + s.countA, 32767));
    d_.display.showCount(s.countTotal);
}

void Shooting::arm() {
    auto& s = d_.s;
    d_.log.showPrevious = true;
    s.shootState = 1;
    s.newRecordBlink = false;
    d_.display.showLargeDigits(true);
    d_.ScoreBlink->setInterval(0);
    s.countB = s.countA = s.countTotal = 0;
    showSecondsLeft(10);
    DispMode_Shooting();
    if (s.analyzerLoaded) d_.analyzer.prepareNewRun();
}

void Shooting::Mode_ShootingCount() {
    auto& s = d_.s;
    auto& log = d_.log;
    i16 remaining = 10;
    i16 tickInSlot = 0;
    log.secondIndex = 0;
    s.shownSecond = 0;
    s.speedA = s.speedB = s.peakA = s.peakB = 0;
    s.timeStart = Millis{};
    s.shootState = 2;
    s.measuring = true;
    if (s.analyzerOn) d_.analyzer.startOfLoop();

    while (d_.running(s.measuring)) {
        s.timeNow = d_.p.clock.tickNow();
        log.updateSecond(log.secondIndex);
        if (s.timeStart.isZero()) s.timeLast = s.timeStart = s.timeNow;
        s.timeSince = s.timeNow - s.timeLast;
        if (s.analyzerOn) d_.analyzer.progressBar();

        log.secondIndex = PressLog::secondOf(s.timeNow - s.timeStart);
        if (s.analyzerOn && log.secondIndex > 0) d_.analyzer.liveSecond();

        remaining = static_cast<i16>(10 - log.secondIndex);
        showSecondsLeft(remaining);
        if (remaining == 0) {
            endOfRun();
            break;
        }

        if (s.timeSince >= kTickMs) {
            ++s.tickCount;
            ++tickInSlot;
            if (s.analyzerOn) d_.analyzer.speedMeter();
            decay(s.speedB, 0.5);
            decay(s.peakB, 0.25);
            decay(s.speedA, 0.5);
            decay(s.peakA, 0.25);
            if (tickInSlot == kTicksPerSlot && s.slotIndex < kLastSlot) {
                ++s.slotIndex;
                tickInSlot = 0;
            }
            // One tick per pass on a fixed grid: a late pass is made up by the passes after it.
            s.timeLast = s.timeNow - (s.timeSince - Millis::fromMs(kTickMs));
        }
        d_.pad.poll();
        // Never sleep past the end of the run, so that it lasts ten seconds and not up to a pass more.
        const Millis untilEnd = s.timeStart + Millis::fromMs(10000) - s.timeNow;
        d_.yieldFor(std::clamp(untilEnd, Millis{}, passWait()));
    }

    log.closeRun();
    d_.runKeeper.runEnded();
    if (s.analyzerOn) d_.analyzer.endOfRunDisplay();
    log.showPrevious = false;
    s.slotIndex = 0;
    for (int i = 0; i < 100; ++i) log.slotCountA[i] = log.slotCountB[i] = 0;
}

Millis Shooting::passWait() const {
    if (d_.pad.attached()) return kPadPassWait;
    // Keys and the mouse end the wait at once and carry their own clock reading, so without a pad the
    // loop sleeps until its next 10 ms step. Rounded up to whole milliseconds: waking a little after the
    // step costs nothing, waking just before it costs a pass.
    const Millis untilStep = d_.s.timeLast + Millis::fromMs(kTickMs) - d_.s.timeNow;
    if (untilStep <= 0) return Millis{};
    return Millis::fromMs((untilStep.units() + Millis::kUnitsPerMs - 1) / Millis::kUnitsPerMs);
}

void Shooting::showSecondsLeft(int seconds) {
    d_.display.setSmall(El::t10, seconds == 10 ? 1 : pics::kBlank);
    d_.display.setSmall(El::t01, seconds % 10);
}

void Shooting::unlock() {
    auto& s = d_.s;
    // Each run unlocks at most the next mode.
    const i16 unlocked = s.countTotal > 159 && s.modeLimit == 2   ? 3
                         : s.countTotal > 119 && s.modeLimit == 1 ? 2
                                                                  : 0;
    if (unlocked == 0) return;
    d_.view.message("裏ワザ機能が追加されました！", MessageIcon::Information, MessageButtons::Ok);
    s.modeLimit = unlocked;
}

void Shooting::endOfRun() {
    auto& s = d_.s;
    unlock();
    if (s.bestRecord < s.countTotal) {
        s.bestRecord = s.countTotal;
        s.newRecordBlink = true;
        s.scoreBlinkPhase = 1;
        d_.ScoreBlink->setInterval(450);
        d_.settings.storeRecord();
    }
    s.shootState = 3;
    s.measuring = false;
}

}  // namespace tap
