#pragma once
// The analyzer's table of figures: for each second of the run and for the total, the presses of B, A and
// both in the latest run, in the run before, and their differences.
#include <array>
#include <string>

#include "core/analyzer/press_log.h"
#include "core/geometry.h"

namespace tap {

class FiguresTable {
public:
    // The nine label arrays, left to right.
    enum Column { latest_b, latest_a, latest_ab, prev_b, prev_a, prev_ab, diff_b, diff_a, diff_ab, kColumns };
    static constexpr int kRows = 11;  // seconds 1..10, then the total
    static constexpr int kTotalRow = 10;
    static constexpr int kFontSize = 7;

    FiguresTable();

    const std::string& text(Column c, int row) const { return cells_[c][row]; }
    // Where a label stands on its page.
    static Rect cellRect(Column c, int row);

    // Row n - 1 and the total from the latest seconds 0 .. n - 1. `shownSecond` is the second written last;
    // a pass in the same second writes nothing.
    void UpdateSecondRow(int n, std::int16_t& shownSecond, const PressLog& log);
    // A readied run: the previous run's figures, the latest and the differences empty.
    void ResetFiguresTable(const PressLog& log);
    // Other previous figures under the latest ones shown: the previous columns, and the differences of
    // the seconds the latest run has shown so far.
    void refreshPrevious(const PressLog& log);

private:
    void fillPrevious(const PressLog& log);
    void set(Column c, int row, int value) { cells_[c][row] = std::to_string(value); }
    std::array<std::array<std::string, kRows>, kColumns> cells_;
};

}  // namespace tap
