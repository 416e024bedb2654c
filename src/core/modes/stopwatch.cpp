#include "core/modes/stopwatch.h"

#include <algorithm>

#include "core/device/device.h"

namespace tap {

namespace {
constexpr std::int64_t kHourMs = 3600000;
}  // namespace

void Stopwatch::Mode_Stop() {
    auto& s = d_.s;
    s.timeLast = d_.p.clock.tickNow();
    // A fresh start has run for no time yet, even when it is stopped before the loop's next pass: a
    // resume then leaves out the pause from here, not from the previous run's last reading.
    s.timeNow = s.timeLast;
    pauseSeen_ = false;
    s.swTenMinutes = s.swMinutes = s.swTenSeconds = s.swSeconds = s.swTenths = s.swHundredths = 0;
    for (El e : {El::s1000, El::s0100, El::s0010, El::s0001}) d_.display.setLarge(e, 0);
    d_.display.showPair(0);
    d_.face.setVisible(El::dot, true);
    if (loopActive_) return;
    loopActive_ = true;
    while (d_.running(s.stopwatchStarted)) {
        // A second A press may turn a pending resume (3) into running (1) before this loop has seen
        // it; the pause is left out all the same.
        if (s.stopwatchState == 3 || (pauseSeen_ && s.stopwatchState != 2)) resume();
        pauseSeen_ = s.stopwatchState == 2;
        if (s.stopwatchState != 2) update();
        d_.pad.poll();
        d_.yieldFor(s.stopwatchState == 1 ? untilNextShownChange() : kHeldWait);
    }
    loopActive_ = false;
}

void Stopwatch::pressA() {
    auto& s = d_.s;
    switch (s.stopwatchState) {
        case 0:
            if (!s.stopwatchStarted) {
                s.stopwatchState = 1;
                s.stopwatchStarted = true;
                Mode_Stop();
            }
            break;
        case 1:
            readAtPress();
            s.stopwatchState = 2;
            d_.display.blinkModeMarker(false);
            break;
        case 2: s.stopwatchState = 3; break;
        case 3:
            s.stopwatchState = 1;
            d_.display.blinkModeMarker(true);
            break;
        case 5:
            d_.display.blinkModeMarker(false);
            s.stopwatchState = 1;
            break;
        default: break;
    }
}

void Stopwatch::pressB() {
    auto& s = d_.s;
    switch (s.stopwatchState) {
        case 1:
            readAtPress();
            s.stopwatchState = 5;
            if (d_.Timer1->interval() == 0) d_.display.blinkModeMarker(true);
            break;
        case 2:
            s.stopwatchState = 0;
            s.stopwatchStarted = false;
            Mode_Stop();
            break;
        case 5: s.stopwatchState = 9; break;
        default: break;
    }
}

void Stopwatch::readAtPress() {
    // A stop or a split holds the time of the press itself, however long the loop has slept, and a
    // resume from earlier in this pass is applied first.
    if (pauseSeen_) {
        resume();
        pauseSeen_ = false;
    }
    update();
}

void Stopwatch::resume() {
    auto& s = d_.s;
    s.timeLast += d_.p.clock.tickNow() - s.timeNow;
    if (s.stopwatchState == 3) {
        s.stopwatchState = 1;
    } else if (s.stopwatchState == 1) {
        // The double press also started the split marker blink; a resumed stopwatch does not blink.
        d_.display.blinkModeMarker(false);
    }
}

Millis Stopwatch::untilNextShownChange() const {
    // The loop sleeps until the shown hundredths change, but no sooner than a frame after the last
    // update: a screen shows about sixty pictures a second, so drawing a hundred would be wasted work.
    // Whole milliseconds, rounded up, so that it never wakes just before the change and spins.
    constexpr std::int64_t kHundredth = Millis::fromMs(10).units();
    const Millis now = d_.p.clock.tickNow();
    const Millis from = std::max(now, d_.s.timeNow + kFrame);
    const std::int64_t elapsed = (from - d_.s.timeLast).units();
    const std::int64_t toChange = kHundredth - (elapsed % kHundredth + kHundredth) % kHundredth;
    const std::int64_t wait = (from - now).units() + toChange;
    return Millis::fromMs((wait + Millis::kUnitsPerMs - 1) / Millis::kUnitsPerMs);
}

void Stopwatch::update() {
    auto& s = d_.s;
    s.timeNow = d_.p.clock.tickNow();
    s.timeSince = s.timeNow - s.timeLast;
    // Whole hours are dropped: the display runs from 00 00 00 again after 59 59 99.
    std::int64_t ms = s.timeSince.wholeMs() % kHourMs;
    auto cut = [&ms](std::int64_t unit) {
        const auto digit = static_cast<i16>(ms / unit);
        ms %= unit;
        return digit;
    };
    s.swTenMinutes = cut(600000);
    s.swMinutes = cut(60000);
    s.swTenSeconds = cut(10000);
    s.swSeconds = cut(1000);
    s.swTenths = cut(100);
    s.swHundredths = cut(10);
    // A split holds the display while the time runs on; a new split (9) shows the time once.
    if (s.stopwatchState != 5) {
        d_.display.setLarge(El::s1000, s.swTenMinutes);
        d_.display.setLarge(El::s0100, s.swMinutes);
        d_.display.setLarge(El::s0010, s.swTenSeconds);
        d_.display.setLarge(El::s0001, s.swSeconds);
        d_.display.setSmall(El::t10, s.swTenths);
        d_.display.setSmall(El::t01, s.swHundredths);
    }
    if (s.stopwatchState == 9) s.stopwatchState = 5;
}

}  // namespace tap
