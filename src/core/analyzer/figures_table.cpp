#include "core/analyzer/figures_table.h"

namespace tap {

namespace {
constexpr int kLeft[FiguresTable::kColumns] = {51, 83, 115, 147, 179, 211, 243, 275, 307};
constexpr Series3 kSeriesOf[3] = {Series3::B, Series3::A, Series3::AB};  // the order within a group
}  // namespace

FiguresTable::FiguresTable() {
    for (int row = 0; row < kRows; ++row)
        for (Column c : {prev_b, prev_a, prev_ab}) cells_[c][row].assign(1, '0');  // (a literal here trips a false GCC 12 warning)
}

Rect FiguresTable::cellRect(Column c, int row) {
    const int top = 41 + 14 * row;
    return {kLeft[c], top, kLeft[c] + 25, top + 9};
}

void FiguresTable::UpdateSecondRow(int n, std::int16_t& shownSecond, const PressLog& log) {
    if (n == shownSecond || n < 1 || n > 10) return;
    shownSecond = static_cast<std::int16_t>(n);
    for (int i = 0; i < 3; ++i) {
        const auto& latest = log.series(false, false, kSeriesOf[i]);
        const auto& prev = log.series(true, false, kSeriesOf[i]);
        const auto latestCol = static_cast<Column>(latest_b + i);
        const auto diffCol = static_cast<Column>(diff_b + i);
        set(latestCol, n - 1, latest[n - 1]);
        set(diffCol, n - 1, latest[n - 1] - prev[n - 1]);
        set(latestCol, kTotalRow, PressLog::sum(latest, n));
        set(diffCol, kTotalRow, PressLog::sum(latest, n) - PressLog::sum(prev, n));
    }
}

void FiguresTable::fillPrevious(const PressLog& log) {
    for (int i = 0; i < 3; ++i) {
        const auto& prev = log.series(true, false, kSeriesOf[i]);
        const auto prevCol = static_cast<Column>(prev_b + i);
        for (int row = 0; row < 10; ++row) set(prevCol, row, prev[row]);
        set(prevCol, kTotalRow, PressLog::sum(prev, 10));
    }
}

void FiguresTable::ResetFiguresTable(const PressLog& log) {
    fillPrevious(log);
    for (int i = 0; i < 3; ++i) {
        for (int row = 0; row < kRows; ++row) {
            cells_[latest_b + i][row].clear();
            cells_[diff_b + i][row].clear();
        }
    }
}

void FiguresTable::refreshPrevious(const PressLog& log) {
    fillPrevious(log);
    int shown = 0;  // the rows are written in order, second by second
    while (shown < 10 && !cells_[latest_ab][shown].empty()) ++shown;
    if (shown == 0) return;
    for (int i = 0; i < 3; ++i) {
        const auto& latest = log.series(false, false, kSeriesOf[i]);
        const auto& prev = log.series(true, false, kSeriesOf[i]);
        const auto diffCol = static_cast<Column>(diff_b + i);
        for (int row = 0; row < shown; ++row) set(diffCol, row, latest[row] - prev[row]);
        set(diffCol, kTotalRow, PressLog::sum(latest, shown) - PressLog::sum(prev, shown));
    }
}

}  // namespace tap
