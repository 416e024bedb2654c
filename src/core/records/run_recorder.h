#pragma once
// Records every counted press and its release during a run, with where each came from, whether or not
// the analyzer is open. The analyzer's press log keeps its own rules beside it.
#include <array>
#include <optional>
#include <utility>

#include "core/records/recorded_run.h"

namespace tap {

class RunRecorder {
  public:
    // Taken by the dispatcher as a key-down or key-up arrives: where it came from. Inputs that are not
    // stated come from the keyboard.
    InputSource takeSource() { return std::exchange(pending_, InputSource::keyboard()); }

    void begin(const CalendarTime& startedAt);
    // A counted press, `elapsed` into the run. Nothing once the run holds its most presses.
    void press(PressKind button, InputSource source, Millis elapsed);
    // A release ends the button's open press; one without an open press, or after the run's ten seconds,
    // belongs to no press of the run.
    void release(PressKind button, Millis elapsed);
    bool recording() const { return recording_; }
    const RecordedRun& current() const { return run_; }
    // The run's end: the run as recorded, its presses in the order of their times, and the recorder empty
    // again.
    RecordedRun finish();
    // A run that did not reach its end is not kept.
    void discard();

  private:
    friend class InputFrom;
    static int slot(PressKind b) { return b == PressKind::A ? 1 : 0; }
    InputSource pending_;
    RecordedRun run_;
    bool recording_ = false;
    std::array<std::optional<std::size_t>, 2> open_;  // the press of B and of A not released yet
};

// States where the inputs dispatched while it lives come from: a caller other than the keyboard makes one
// before it dispatches. The keyboard again afterwards, also when nothing was dispatched.
class InputFrom {
  public:
    InputFrom(RunRecorder& r, InputSource source) : r_(r) { r_.pending_ = source; }
    ~InputFrom() { r_.pending_ = InputSource::keyboard(); }
    InputFrom(const InputFrom&) = delete;
    InputFrom& operator=(const InputFrom&) = delete;

  private:
    RunRecorder& r_;
};

}  // namespace tap
