#pragma once
// The list of the last ten presses of a run with its scroll bar over all of them.
#include <deque>
#include <string>

#include "core/analyzer/press_log.h"

namespace tap {

class PressList {
public:
    static constexpr int kVisibleLines = 10;

    // "  3   250 ---- " for B, "  4   ---- 260" for A: B times stand in the left column, A in the right.
    static std::string line(int number, PressKind kind, Millis time);

    const std::deque<std::string>& lines() const { return lines_; }
    int scrollMax() const { return vsb1Max_; }
    int scrollValue() const { return vsb1Value_; }

    // Empty list, scroll bar at 0.
    void reset();
    // Press `number` at the bottom, the list scrolled to it.
    void addPress(int number, PressKind kind, Millis time);
    // The scroll bar moved to `value`; the list follows unless a run is measuring.
    void vsb1_Change(int value, bool measuring, const PressLog& log);

private:
    std::string lineOf(int number, const PressLog& log) const;
    std::deque<std::string> lines_;
    int listLastNumber_ = 0;  // the press on the bottom line
    int listScrollMax_ = 0;   // the scroll value the lines correspond to
    int vsb1Max_ = 0, vsb1Value_ = 0;
};

}  // namespace tap
