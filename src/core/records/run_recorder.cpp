#include "core/records/run_recorder.h"

#include <algorithm>

namespace tap {

void RunRecorder::begin(const CalendarTime& startedAt) {
    run_ = RecordedRun{};
    run_.startedAt = startedAt;
    open_ = {};
    recording_ = true;
}

void RunRecorder::press(PressKind button, InputSource source, Millis elapsed) {
    if (!recording_ || run_.presses.size() >= RecordedRun::kMaxPresses) return;
    run_.presses.push_back({button, source, elapsed, std::nullopt});
    open_[slot(button)] = run_.presses.size() - 1;
}

void RunRecorder::release(PressKind button, Millis elapsed) {
    auto& open = open_[slot(button)];
    if (!recording_ || !open || elapsed > RecordedRun::kLength) return;
    auto& p = run_.presses[*open];
    p.release = elapsed < p.press ? p.press : elapsed;
    open.reset();
}

RecordedRun RunRecorder::finish() {
    recording_ = false;
    open_ = {};
    // A pad's press is counted when its poll reads it, with the time it happened: after a key pressed
    // later, maybe. The record keeps the presses in the order they happened.
    std::stable_sort(run_.presses.begin(), run_.presses.end(),
                     [](const RecordedPress& a, const RecordedPress& b) { return a.press < b.press; });
    return std::exchange(run_, RecordedRun{});
}

void RunRecorder::discard() {
    finish();
}

}  // namespace tap
