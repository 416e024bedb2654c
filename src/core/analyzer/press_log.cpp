#include "core/analyzer/press_log.h"

namespace tap {

std::int16_t PressLog::secondOf(Millis elapsed) {
    if (elapsed < 0 || elapsed > 10000) return 10;
    for (int k = 0; k <= 9; ++k)
        if (elapsed <= 1000 * (k + 1)) return static_cast<std::int16_t>(k);
    return 10;
}

void PressLog::ClearSeconds() {
    secondIndex = 0;
    for (int i = 0; i < 100; ++i) {
        secondCountA[i] = secondCountB[i] = secondCountAB[i] = 0;
        avgCountA[i] = avgCountB[i] = avgCountAB[i] = 0;
    }
}

void PressLog::closeRun() {
    const Millis end = Millis::fromMs(10000);
    auto setSentinel = [&](TimeList& list, int index) {
        if (index >= 0 && index < kListSize) list[index] = end;
    };
    setSentinel(releaseTimeB, loggedPressesB);
    setSentinel(releaseTimeA, loggedPressesA);
    setSentinel(releaseTimeB, loggedReleasesB);
    setSentinel(releaseTimeA, loggedReleasesA);
    auto clamp = [&](TimeList& list, int last) {
        for (int i = 0; i <= last && i < kListSize; ++i)
            if (list[i] > 10000) list[i] = end;
    };
    clamp(releaseTimeA, loggedPressesA);
    clamp(releaseTimeB, loggedPressesB + 1);
}

void PressLog::logRelease(TimeList& list, std::int16_t& logged, Millis elapsed) {
    if (logged < 0 || logged >= kListSize) return;
    list[logged] = elapsed;
    ++logged;
}

}  // namespace tap
