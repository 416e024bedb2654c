#pragma once
// Figures of a recorded run. All of them are pure functions of the run's presses.
#include <array>
#include <optional>

#include "core/records/recorded_run.h"

namespace tap {

struct RunStatistics {
    static constexpr int kSeconds = 10;
    // A run whose presses come this regularly is taken for a machine: at least kTurboPresses presses in a
    // row whose intervals vary by less than kTurboDeviationMs.
    static constexpr int kTurboPresses = 40;
    static constexpr double kTurboDeviationMs = 0.3;
    static constexpr Millis kWindow = Millis::fromMs(1000);

    int total = 0, countA = 0, countB = 0;
    std::array<int, InputSource::kCount> perSource{};
    // Intervals between one press and the next, A and B in one order, in ms.
    std::optional<double> intervalMean, intervalMedian, intervalShortest;
    // 10 × the standard deviation of the intervals in ms.
    std::optional<double> unstableRate;
    // Press to release, over the presses released within the run, in ms.
    std::optional<double> holdMeanA, holdMeanB;
    // The 1 000 ms with the most presses, counted from a press.
    int fastestWindow = 0;
    Millis fastestWindowStart;
    // Presses in each second of the run, and how much the totals of the seconds spread (their standard
    // deviation), with the slowest and the fastest second.
    std::array<int, kSeconds> perSecondA{}, perSecondB{};
    double perSecondSpread = 0;
    int perSecondMin = 0, perSecondMax = 0;
    bool turbo = false;

    std::uint32_t sourceMask() const;
};

RunStatistics statisticsOf(const RecordedRun& run);
// The figures the history lists, from the run and its statistics.
RunSummary summaryOf(const RecordedRun& run, const RunStatistics& stats);
inline RunSummary summaryOf(const RecordedRun& run) {
    return summaryOf(run, statisticsOf(run));
}

// Presses of `button` in each second of the run, by the run's own second rule.
std::array<int, RunStatistics::kSeconds> perSecond(const RecordedRun& run, PressKind button);

}  // namespace tap
