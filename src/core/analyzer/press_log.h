#pragma once
// The record of one shooting run kept for the analyzer: press and release times, per-second and
// per-100 ms counts, their running averages, and the run before's per-second figures.
#include <array>
#include <cstdint>

#include "core/millis.h"

namespace tap {

// The kinds a press is logged with.
enum class PressKind : std::int16_t { B = 0, A = 1 };

// Which of the three per-second series.
enum class Series3 : std::uint8_t { AB, B, A };

struct PressLog {
    static constexpr int kListSize = 10000;
    static constexpr int kSeriesSize = 101;
    static constexpr int kSeconds = 10;
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
    // 0 no run finished with the analyzer on since start-up, 1 exactly one, 2 more.
    std::int16_t prevState = 0;
    // The run mark: from readying to the end of the run a full redraw shows only the previous series.
    bool showPrevious = false;
    // The previous series are a stored run chosen for comparison: readying the next run keeps them, and
    // the end of that run lets them go.
    bool previousPinned = false;

    // Second of the run for an elapsed time: 0-9, the bounds inclusive at the top (1 000 ms is still
    // second 0); 10 past the end of the run or for a negative time.
    static std::int16_t secondOf(Millis elapsed);

    // Per-second tables of a new run (entries 0-99) and the second index back to 0.
    void ClearSeconds();
    // A counted press: its 100 ms slot and its second. Counters stop at their 16-bit limit.
    void countPress(PressKind kind, int slot, int second);
    // The loop's per-pass step for second `sec`: the summed count and the averages up to it.
    void updateSecond(int sec);

    // The time lists and the press order emptied, their counters back to 0.
    void clearTimeLists();
    // Press `number` of the run (from 1) at `time`. False, logging nothing, once a list is full.
    bool logPressTime(PressKind kind, int number, Millis time);
    // A release `elapsed` into the run. Only a release that ends a counted press is logged, so that the
    // k-th release always belongs to the k-th press, even for a key held down from before the run.
    void logRelease(PressKind kind, Millis elapsed, int countedPresses);
    // End of a run: a button still held is released at 10 000 ms and no release lies beyond it.
    void closeRun();
    // The latest per-second series and averages become the previous ones.
    void keepAsPrevious();
    // A stored run's presses per second of A and B become the previous series, with their averages.
    void setPrevious(const std::array<int, kSeconds>& a, const std::array<int, kSeconds>& b);

    // The per-second figures the graph and the table read.
    const Series& series(bool previous, bool average, Series3 which) const;
    // Sum of entries 0 .. count-1 of a series.
    static int sum(const Series& s, int count);
};

}  // namespace tap
