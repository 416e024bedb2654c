#pragma once
// A run as the recorder keeps it: every counted press of A and B with where it came from and its press
// and release times, and the summary the history lists it by.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analyzer/press_log.h"
#include "core/calendar_time.h"
#include "core/millis.h"

namespace tap {

// Where an input came from: the keyboard, the mouse on the drawn buttons, or game pad n.
struct InputSource {
    enum class Kind : std::uint8_t { Keyboard, Mouse, Pad };
    static constexpr int kPads = 16;
    // Sources numbered 0 keyboard, 1 mouse, 2 + n pad n: the numbering the store and the masks use.
    static constexpr int kCount = 2 + kPads;

    Kind kind = Kind::Keyboard;
    std::int8_t pad = 0;  // joystick 0-15 when kind is Pad

    static constexpr InputSource keyboard() { return {}; }
    static constexpr InputSource mouse() { return {Kind::Mouse, 0}; }
    static constexpr InputSource fromPad(int joystick) {
        return {Kind::Pad, static_cast<std::int8_t>(joystick)};
    }
    static std::optional<InputSource> fromIndex(int index);
    int index() const { return kind == Kind::Keyboard ? 0 : kind == Kind::Mouse ? 1 : 2 + pad; }
    // "keyboard", "mouse", "pad0" .. "pad15": the names of the export files.
    std::string name() const;
    static std::optional<InputSource> fromName(std::string_view name);

    friend bool operator==(const InputSource&, const InputSource&) = default;
};

struct RecordedPress {
    PressKind button = PressKind::A;
    InputSource source;
    Millis press;                   // since the run's first press, which is 0
    std::optional<Millis> release;  // none while still held when the run ended
    friend bool operator==(const RecordedPress&, const RecordedPress&) = default;
};

struct RecordedRun {
    // The most presses a run keeps, as many as its 16-bit counters can count.
    static constexpr int kMaxPresses = 32767;
    static constexpr Millis kLength = Millis::fromMs(10000);

    CalendarTime startedAt;
    std::vector<RecordedPress> presses;  // in the order they were counted; press n is presses[n - 1]
    bool imported = false;               // read from a file rather than played on this device
    friend bool operator==(const RecordedRun&, const RecordedRun&) = default;
};

// What the history lists of a stored run, kept beside it so that a long history opens at once.
struct RunSummary {
    std::int64_t id = 0;
    CalendarTime startedAt;
    int total = 0, countA = 0, countB = 0;
    int fastestSecond = 0;               // most presses within 1 000 ms
    std::optional<double> unstableRate;  // none for a run of one press
    std::uint32_t sources = 0;           // bit n for source index n
    bool turbo = false;
    bool imported = false;
    friend bool operator==(const RunSummary&, const RunSummary&) = default;
};

}  // namespace tap
