#include "core/records/run_statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace tap {

namespace {
double mean(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

// Population standard deviation of v[from, from + count).
double deviation(const std::vector<double>& v, std::size_t from, std::size_t count) {
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i) sum += v[i];
    const double m = sum / static_cast<double>(count);
    double squares = 0;
    for (std::size_t i = from; i < from + count; ++i) squares += (v[i] - m) * (v[i] - m);
    return std::sqrt(squares / static_cast<double>(count));
}

std::vector<double> intervalsOf(const std::vector<Millis>& times) {
    std::vector<double> out;
    for (std::size_t i = 1; i < times.size(); ++i) out.push_back((times[i] - times[i - 1]).ms());
    return out;
}

// Whether some kTurboPresses presses in a row come at intervals that hardly vary.
bool machineRegular(const std::vector<Millis>& times) {
    const std::size_t window = RunStatistics::kTurboPresses - 1;  // intervals between that many presses
    const auto intervals = intervalsOf(times);
    for (std::size_t i = 0; i + window <= intervals.size(); ++i)
        if (deviation(intervals, i, window) < RunStatistics::kTurboDeviationMs) return true;
    return false;
}

std::optional<double> meanHold(const RecordedRun& run, PressKind button) {
    std::vector<double> holds;
    for (const auto& p : run.presses)
        if (p.button == button && p.release) holds.push_back((*p.release - p.press).ms());
    if (holds.empty()) return std::nullopt;
    return mean(holds);
}

std::vector<Millis> pressTimes(const RecordedRun& run, std::optional<PressKind> only = std::nullopt) {
    std::vector<Millis> out;
    for (const auto& p : run.presses)
        if (!only || p.button == *only) out.push_back(p.press);
    return out;
}
}  // namespace

std::uint32_t RunStatistics::sourceMask() const {
    std::uint32_t mask = 0;
    for (int i = 0; i < InputSource::kCount; ++i)
        if (perSource[i] > 0) mask |= 1u << i;
    return mask;
}

std::array<int, RunStatistics::kSeconds> perSecond(const RecordedRun& run, PressKind button) {
    std::array<int, RunStatistics::kSeconds> out{};
    for (const auto& p : run.presses) {
        const int s = PressLog::secondOf(p.press);
        if (p.button == button && s < RunStatistics::kSeconds) ++out[s];
    }
    return out;
}

RunStatistics statisticsOf(const RecordedRun& run) {
    RunStatistics st;
    st.total = static_cast<int>(run.presses.size());
    for (const auto& p : run.presses) {
        ++(p.button == PressKind::A ? st.countA : st.countB);
        ++st.perSource[p.source.index()];
    }
    const auto times = pressTimes(run);
    auto intervals = intervalsOf(times);
    if (!intervals.empty()) {
        st.intervalMean = mean(intervals);
        st.unstableRate = 10 * deviation(intervals, 0, intervals.size());
        std::sort(intervals.begin(), intervals.end());
        const std::size_t n = intervals.size();
        st.intervalMedian = n % 2 ? intervals[n / 2] : (intervals[n / 2 - 1] + intervals[n / 2]) / 2;
        st.intervalShortest = intervals.front();
    }
    st.holdMeanA = meanHold(run, PressKind::A);
    st.holdMeanB = meanHold(run, PressKind::B);

    for (std::size_t first = 0, last = 0; first < times.size(); ++first) {
        while (last < times.size() && times[last] - times[first] < RunStatistics::kWindow) ++last;
        if (static_cast<int>(last - first) > st.fastestWindow) {
            st.fastestWindow = static_cast<int>(last - first);
            st.fastestWindowStart = times[first];
        }
    }

    st.perSecondA = perSecond(run, PressKind::A);
    st.perSecondB = perSecond(run, PressKind::B);
    std::vector<double> seconds;
    for (int s = 0; s < RunStatistics::kSeconds; ++s) seconds.push_back(st.perSecondA[s] + st.perSecondB[s]);
    st.perSecondSpread = deviation(seconds, 0, seconds.size());
    const auto [lo, hi] = std::minmax_element(seconds.begin(), seconds.end());
    st.perSecondMin = static_cast<int>(*lo);
    st.perSecondMax = static_cast<int>(*hi);

    st.turbo = machineRegular(times) || machineRegular(pressTimes(run, PressKind::A)) ||
               machineRegular(pressTimes(run, PressKind::B));
    return st;
}

RunSummary summaryOf(const RecordedRun& run, const RunStatistics& stats) {
    RunSummary s;
    s.startedAt = run.startedAt;
    s.total = stats.total;
    s.countA = stats.countA;
    s.countB = stats.countB;
    s.fastestSecond = stats.fastestWindow;
    s.unstableRate = stats.unstableRate;
    s.sources = stats.sourceMask();
    s.turbo = stats.turbo;
    s.imported = run.imported;
    return s;
}

}  // namespace tap
