#include "core/keysetup/pad_tester.h"

#include <algorithm>

#include "core/platform.h"

namespace tap {

PadScan scanPads(GamePads& pads) {
    constexpr std::uint32_t kSeen = 0xFFF;  // buttons 13 and up are never seen
    PadScan scan;
    for (int j = 0; j < static_cast<int>(scan.size()); ++j) {
        const auto reading = pads.read(j);
        if (!reading) continue;
        std::uint32_t down = reading->buttons;
        for (const auto& edge : reading->edges)
            if (edge.down && edge.button >= 0 && edge.button < 32) down |= 1u << edge.button;
        scan[j] = static_cast<std::uint16_t>(down & kSeen);
    }
    return scan;
}

bool PadTester::update(const PadScan& scan, GamePads& pads) {
    std::vector<TestedPad> now;
    for (int j = 0; j < static_cast<int>(scan.size()); ++j)
        if (scan[j]) now.push_back({j, "JoyPat" + std::to_string(j + 1) + ": " + pads.name(j), *scan[j]});
    auto samePad = [](const TestedPad& a, const TestedPad& b) { return a.joystick == b.joystick && a.title == b.title; };
    const bool cameOrWent = !std::equal(now.begin(), now.end(), pads_.begin(), pads_.end(), samePad);
    pads_ = std::move(now);
    return cameOrWent;
}

}  // namespace tap
