#include "core/analyzer/press_list.h"

#include <algorithm>

#include "core/analyzer/time_text.h"

namespace tap {

std::string PressList::line(int number, PressKind kind, Millis time) {
    const std::string head = "  " + std::to_string(number) + "   ";
    return kind == PressKind::A ? head + "---- " + millisText(time) : head + millisText(time) + " ---- ";
}

std::string PressList::lineOf(int number, const PressLog& log) const {
    if (number < 1 || number >= PressLog::kListSize) return {};
    return line(number, static_cast<PressKind>(log.pressKind[number]), log.pressTimeAll[number]);
}

void PressList::reset() {
    lines_.clear();
    listLastNumber_ = listScrollMax_ = 0;
    vsb1Max_ = vsb1Value_ = 0;
}

void PressList::addPress(int number, PressKind kind, Millis time) {
    if (static_cast<int>(lines_.size()) >= kVisibleLines) lines_.pop_front();
    lines_.push_back(line(number, kind, time));
    if (number > kVisibleLines) ++vsb1Max_;
    vsb1Value_ = vsb1Max_;
    listLastNumber_ = number;
    listScrollMax_ = vsb1Max_;
}

void PressList::vsb1_Change(int value, bool measuring, const PressLog& log) {
    vsb1Value_ = std::clamp(value, 0, vsb1Max_);
    if (measuring) return;
    for (int d = listScrollMax_ - vsb1Value_; d > 0; --d) {  // up: an earlier press comes in at the top
        if (!lines_.empty()) lines_.pop_back();
        --listLastNumber_;
        lines_.push_front(lineOf(listLastNumber_ - (kVisibleLines - 1), log));
    }
    for (int d = vsb1Value_ - listScrollMax_; d > 0; --d) {  // down: a later press at the bottom
        ++listLastNumber_;
        if (!lines_.empty()) lines_.pop_front();
        lines_.push_back(lineOf(listLastNumber_, log));
    }
    listScrollMax_ = vsb1Value_;
}

}  // namespace tap
