#pragma once
// Recorded runs built press by press, for the statistics and the file formats.
#include <vector>

#include "core/records/recorded_run.h"

namespace tap::sim {

// Presses at the given times in ms, A and B taking turns from A, each held `holdMs` (none when negative).
inline RecordedRun runAt(const std::vector<double>& times, double holdMs = 20,
                         InputSource source = InputSource::keyboard()) {
    RecordedRun run;
    run.startedAt = {2024, 5, 1, 21, 30, 5, 9 * 60};
    for (std::size_t i = 0; i < times.size(); ++i) {
        RecordedPress p{i % 2 ? PressKind::B : PressKind::A, source, Millis::fromMsDouble(times[i]),
                        std::nullopt};
        if (holdMs >= 0) p.release = Millis::fromMsDouble(std::min(times[i] + holdMs, 10000.0));
        run.presses.push_back(p);
    }
    return run;
}

// `n` press times from 0, each `first` apart and then alternating with `second`.
inline std::vector<double> alternatingIntervals(int n, double first, double second) {
    std::vector<double> t{0};
    for (int i = 1; i < n; ++i) t.push_back(t.back() + (i % 2 ? first : second));
    return t;
}

}  // namespace tap::sim
