#pragma once
// The pads as the key setup dialog sees them: one look at every joystick, and the list of attached pads
// with the buttons each has down, for the pad tab's live view.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tap {

class GamePads;

// Per joystick 0-15: nullopt when it does not answer, else the buttons 1-12 (bits 0-11) that are down now
// or went down since the last look, so that a quick tap between two looks is not missed.
using PadScan = std::array<std::optional<std::uint16_t>, 16>;
PadScan scanPads(GamePads& pads);

struct TestedPad {
    int joystick = 0;
    std::string title;     // "JoyPat1: <the pad's own name>"
    std::uint16_t lit = 0;  // buttons seen down in the last look
    friend bool operator==(const TestedPad&, const TestedPad&) = default;
};

class PadTester {
public:
    // Takes in a look at the pads; true when a pad came or went.
    bool update(const PadScan& scan, GamePads& pads);
    const std::vector<TestedPad>& pads() const { return pads_; }

private:
    std::vector<TestedPad> pads_;
};

}  // namespace tap
