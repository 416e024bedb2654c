#pragma once
// The record of one shooting run kept for the analyzer: press and release times, per-second and
// per-100 ms counts, and the previous run's per-second figures.
#include <array>
#include <cstdint>

#include "core/millis.h"

namespace tap {

struct PressLog {
    static constexpr int kListSize = 10000;
    static constexpr int kSeriesSize = 101;
    using TimeList = std::array<Millis, kListSize>;
    using Series = std::array<std::int16_t, kSeriesSize>;

    TimeList pressTimeA{}, pressTimeB{}, releaseTimeA{}, releaseTimeB{}, pressTimeAll{};
    std::array<std::int16_t, kListSize> pressKind{};
    std::int16_t loggedPressesA = 0, loggedPressesB = 0, loggedReleasesA = 0, loggedReleasesB = 0;

    Series secondCountA{}, secondCountB{}, secondCountAB{};
    Series prevSecondCountA{}, prevSecondCountB{}, prevSecondCountAB{};
    Series avgCountA{}, avgCountB{}, avgCountAB{};
    Series prevAvgCountA{}, prevAvgCountB{}, prevAvgCountAB{};
    Series slotCountA{}, slotCountB{};

    std::int16_t secondIndex = 0;
    std::int16_t prevState = 0;
    bool showPrevious = false;

    // Second of the run for an elapsed time: 0-9, the bounds inclusive at the top (1 000 ms is still
    // second 0); 10 past the end of the run or for a negative time.
    static std::int16_t secondOf(Millis elapsed);
    // Per-second tables of a new run (entries 0-99) and the second index back to 0.
    void ClearSeconds();
    // End of a run: a button still held is released at 10 000 ms and no release lies beyond it.
    void closeRun();
    // A release at `elapsed` into the run; further releases beyond the list's capacity are not logged.
    static void logRelease(TimeList& list, std::int16_t& logged, Millis elapsed);
};

}  // namespace tap
