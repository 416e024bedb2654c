#pragma once
// What the history shows of the stored runs, as pure functions of their summaries: the totals of the
// latest runs with the best so far, the best of each day, and the texts of the table.
#include <string>
#include <vector>

#include "core/records/recorded_run.h"

namespace tap {

struct ChartPoint {
    int total = 0;
    int bestSoFar = 0;  // the best of this run and every run before it, not only those on the chart
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct DayBest {
    CalendarTime day;
    int best = 0;
    int runs = 0;
    friend bool operator==(const DayBest&, const DayBest&) = default;
};

// Runs played on this device only: imported runs are someone else's progress.
// The last `count` of them, oldest first.
std::vector<ChartPoint> recentTotals(const std::vector<RunSummary>& oldestFirst, std::size_t count);
// One entry per day with runs, the newest day first.
std::vector<DayBest> bestOfEachDay(const std::vector<RunSummary>& oldestFirst);
// The top of the chart's scale: the highest total rounded up to a multiple of 20, at least 20.
int chartScaleTop(const std::vector<ChartPoint>& points);

// "123.4", or "-" for a run without intervals.
std::string rateText(const std::optional<double>& rate);
// The sources of a run with its marks, as the history window writes them: "キーボード・パッド0 (ターボ)".
std::string sourcesShown(const RunSummary& run);
// The same for a terminal: "keyboard, pad0 (turbo)".
std::string sourcesPlain(const RunSummary& run);
// The stored runs as a table for a terminal, the oldest first.
std::string historyTable(const std::vector<RunSummary>& oldestFirst);

}  // namespace tap
