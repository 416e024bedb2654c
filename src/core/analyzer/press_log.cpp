#include "core/analyzer/press_log.h"

#include <algorithm>
#include <cmath>

namespace tap {

namespace {
constexpr std::int16_t kCounterLimit = 32767;
constexpr Millis kRunEnd = Millis::fromMs(10000);

void increment(std::int16_t& v) {
    if (v < kCounterLimit) ++v;
}

std::int16_t average(const PressLog::Series& counts, int sec) {
    return static_cast<std::int16_t>(std::lround(static_cast<double>(PressLog::sum(counts, sec + 1)) / (sec + 1)));
}
}  // namespace

std::int16_t PressLog::secondOf(Millis elapsed) {
    if (elapsed < 0 || elapsed > 10000) return 10;
    for (int k = 0; k <= 9; ++k)
        if (elapsed <= 1000 * (k + 1)) return static_cast<std::int16_t>(k);
    return 10;
}

void PressLog::ClearSeconds() {
    secondIndex = 0;
    for (auto* s : {&secondCountA, &secondCountB, &secondCountAB, &avgCountA, &avgCountB, &avgCountAB})
        std::fill_n(s->begin(), 100, std::int16_t{0});
}

void PressLog::countPress(PressKind kind, int slot, int second) {
    const bool a = kind == PressKind::A;
    if (slot >= 0 && slot < kSeriesSize) increment((a ? slotCountA : slotCountB)[slot]);
    if (second >= 0 && second < kSeriesSize) increment((a ? secondCountA : secondCountB)[second]);
}

void PressLog::updateSecond(int sec) {
    if (sec < 0 || sec >= kSeriesSize) return;
    secondCountAB[sec] = static_cast<std::int16_t>(std::min(secondCountA[sec] + secondCountB[sec], 32767));
    if (sec >= kSeconds) return;  // the end of the run has no average of its own
    avgCountA[sec] = average(secondCountA, sec);
    avgCountB[sec] = average(secondCountB, sec);
    avgCountAB[sec] = average(secondCountAB, sec);
}

void PressLog::clearTimeLists() {
    loggedPressesA = loggedPressesB = loggedReleasesA = loggedReleasesB = 0;
    for (auto* list : {&pressTimeB, &pressTimeA, &releaseTimeB, &releaseTimeA, &pressTimeAll}) list->fill(Millis{});
    pressKind.fill(0);
}

bool PressLog::logPressTime(PressKind kind, int number, Millis time) {
    std::int16_t& logged = kind == PressKind::A ? loggedPressesA : loggedPressesB;
    if (number < 1 || number >= kListSize || logged >= kListSize) return false;
    pressKind[number] = static_cast<std::int16_t>(kind);
    (kind == PressKind::A ? pressTimeA : pressTimeB)[logged] = time;
    pressTimeAll[number] = time;
    ++logged;
    return true;
}

void PressLog::logRelease(PressKind kind, Millis elapsed, int countedPresses) {
    std::int16_t& logged = kind == PressKind::A ? loggedReleasesA : loggedReleasesB;
    if (logged >= countedPresses || logged >= kListSize) return;
    (kind == PressKind::A ? releaseTimeA : releaseTimeB)[logged] = elapsed;
    ++logged;
}

void PressLog::closeRun() {
    auto setSentinel = [](TimeList& list, int index) {
        if (index >= 0 && index < kListSize) list[index] = kRunEnd;
    };
    setSentinel(releaseTimeB, loggedPressesB);
    setSentinel(releaseTimeA, loggedPressesA);
    setSentinel(releaseTimeB, loggedReleasesB);
    setSentinel(releaseTimeA, loggedReleasesA);
    auto clamp = [](TimeList& list, int last) {
        for (int i = 0; i <= last && i < kListSize; ++i)
            if (list[i] > 10000) list[i] = kRunEnd;
    };
    clamp(releaseTimeA, loggedPressesA);
    clamp(releaseTimeB, loggedPressesB + 1);
    previousPinned = false;  // the run compared with the pinned one is over
}

void PressLog::keepAsPrevious() {
    auto copy = [](const Series& from, Series& to) { std::copy_n(from.begin(), 100, to.begin()); };
    copy(secondCountAB, prevSecondCountAB);
    copy(avgCountAB, prevAvgCountAB);
    copy(secondCountA, prevSecondCountA);
    copy(secondCountB, prevSecondCountB);
    copy(avgCountB, prevAvgCountB);
    copy(avgCountA, prevAvgCountA);
}

void PressLog::setPrevious(const std::array<int, kSeconds>& a, const std::array<int, kSeconds>& b) {
    for (auto* series : {&prevSecondCountA, &prevSecondCountB, &prevSecondCountAB, &prevAvgCountA, &prevAvgCountB,
                         &prevAvgCountAB})
        std::fill_n(series->begin(), 100, std::int16_t{0});
    auto count = [](int v) { return static_cast<std::int16_t>(std::clamp(v, 0, static_cast<int>(kCounterLimit))); };
    for (int s = 0; s < kSeconds; ++s) {
        prevSecondCountA[s] = count(a[s]);
        prevSecondCountB[s] = count(b[s]);
        prevSecondCountAB[s] = count(a[s] + b[s]);
    }
    for (int s = 0; s < kSeconds; ++s) {
        prevAvgCountA[s] = average(prevSecondCountA, s);
        prevAvgCountB[s] = average(prevSecondCountB, s);
        prevAvgCountAB[s] = average(prevSecondCountAB, s);
    }
}

const PressLog::Series& PressLog::series(bool previous, bool average, Series3 which) const {
    static constexpr auto pick = [](Series3 w, const Series& ab, const Series& b, const Series& a) -> const Series& {
        return w == Series3::AB ? ab : w == Series3::B ? b : a;
    };
    if (previous)
        return average ? pick(which, prevAvgCountAB, prevAvgCountB, prevAvgCountA)
                       : pick(which, prevSecondCountAB, prevSecondCountB, prevSecondCountA);
    return average ? pick(which, avgCountAB, avgCountB, avgCountA) : pick(which, secondCountAB, secondCountB, secondCountA);
}

int PressLog::sum(const Series& s, int count) {
    int total = 0;
    for (int i = 0; i < count && i < kSeriesSize; ++i) total += s[i];
    return total;
}

}  // namespace tap
