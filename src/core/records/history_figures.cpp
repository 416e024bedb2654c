#include "core/records/history_figures.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace tap {

std::vector<ChartPoint> recentTotals(const std::vector<RunSummary>& oldestFirst, std::size_t count) {
    std::vector<ChartPoint> all;
    int best = 0;
    for (const auto& r : oldestFirst) {
        if (r.imported) continue;
        best = std::max(best, r.total);
        all.push_back({r.total, best});
    }
    if (all.size() > count) all.erase(all.begin(), all.end() - static_cast<std::ptrdiff_t>(count));
    return all;
}

std::vector<DayBest> bestOfEachDay(const std::vector<RunSummary>& oldestFirst) {
    std::vector<DayBest> days;
    for (const auto& r : oldestFirst) {
        if (r.imported) continue;
        // A day's runs usually follow each other, so the search from the latest day ends at once; a clock
        // set back makes it look further.
        auto it = std::find_if(days.rbegin(), days.rend(),
                               [&r](const DayBest& d) { return d.day.sameDay(r.startedAt); });
        if (it == days.rend()) {
            days.push_back({r.startedAt, r.total, 1});
            continue;
        }
        it->best = std::max(it->best, r.total);
        ++it->runs;
    }
    std::sort(days.begin(), days.end(), [](const DayBest& a, const DayBest& b) {
        return std::tie(a.day.year, a.day.month, a.day.day) > std::tie(b.day.year, b.day.month, b.day.day);
    });
    return days;
}

int chartScaleTop(const std::vector<ChartPoint>& points) {
    int top = 0;
    for (const auto& p : points) top = std::max({top, p.total, p.bestSoFar});
    return std::max(20, (top + 19) / 20 * 20);
}

std::string rateText(const std::optional<double>& rate) {
    if (!rate) return "-";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", *rate);
    return buf;
}

namespace {
std::string sourcesText(const RunSummary& run, bool shown) {
    std::string out;
    for (int i = 0; i < InputSource::kCount; ++i) {
        if (!(run.sources & (1u << i))) continue;
        const InputSource s = *InputSource::fromIndex(i);
        std::string name = !shown                                  ? s.name()
                           : s.kind == InputSource::Kind::Keyboard ? "キーボード"
                           : s.kind == InputSource::Kind::Mouse    ? "マウス"
                                                                   : "パッド" + std::to_string(s.pad);
        out += (out.empty() ? "" : shown ? "・" : ", ") + name;
    }
    std::vector<std::string> marks;
    if (run.turbo) marks.emplace_back(shown ? "ターボ" : "turbo");
    if (run.imported) marks.emplace_back(shown ? "読み込み" : "imported");
    for (std::size_t i = 0; i < marks.size(); ++i) out += (i ? ", " : " (") + marks[i];
    if (!marks.empty()) out += ")";
    return out;
}
}  // namespace

std::string sourcesShown(const RunSummary& run) {
    return sourcesText(run, true);
}
std::string sourcesPlain(const RunSummary& run) {
    return sourcesText(run, false);
}

std::string historyTable(const std::vector<RunSummary>& oldestFirst) {
    std::string out;
    char line[256];
    std::snprintf(line, sizeof line, "%6s  %-19s  %5s  %5s  %5s  %7s  %8s  %s\n", "id", "date", "total", "A",
                  "B", "best 1s", "unstable", "sources");
    out += line;
    for (const auto& r : oldestFirst) {
        std::snprintf(line, sizeof line, "%6lld  %-19s  %5d  %5d  %5d  %7d  %8s  ",
                      static_cast<long long>(r.id), r.startedAt.shown().c_str(), r.total, r.countA, r.countB,
                      r.fastestSecond, rateText(r.unstableRate).c_str());
        out += line;
        out += sourcesPlain(r) + "\n";
    }
    return out;
}

}  // namespace tap
