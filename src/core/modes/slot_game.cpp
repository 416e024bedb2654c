#include "core/modes/slot_game.h"

#include <algorithm>

#include "core/device/device.h"

namespace tap {

namespace {
constexpr El kReelPositions[] = {El::s1000, El::s0100, El::s0010, El::s0001};
}  // namespace

void SlotGame::Mode_Slot_Clear() {
    d_.s.slotRunning = 0;
    d_.s.slotStops = 0;
    d_.s.slotReels = 3;
}

void SlotGame::toggleReels() {
    auto& s = d_.s;
    s.slotReels = s.slotReels <= 3 ? 4 : 3;
    for (El e : kReelPositions) d_.display.setLarge(e, 0);
    if (s.slotReels == 3) d_.display.setLarge(El::s1000, pics::kBlank);
    d_.face.setVisible(El::s1000, s.slotReels == 4);
    d_.face.setVisible(El::s0100, true);
    d_.face.setVisible(El::s0010, true);
}

std::int16_t SlotGame::nextSymbol(std::int16_t symbol, std::int16_t top) {
    if (symbol < top) return static_cast<std::int16_t>(symbol + 1);
    return top == 6 ? 1 : 0;
}

std::int16_t SlotGame::startSymbol(double r, std::int16_t top) {
    // Full precision: a single-precision product could round up to the top and past it.
    const auto faces = top == 6 ? 6 : 10;
    const auto pick = std::clamp(static_cast<int>(r * faces), 0, faces - 1);
    return static_cast<std::int16_t>(top == 6 ? pick + 1 : pick);
}

void SlotGame::Mode_Slot() {
    auto& s = d_.s;
    const bool fourReels = s.slotReels == 4;
    const std::int16_t top = fourReels ? 9 : 6;
    std::array<std::int16_t, 4> reels{};
    for (auto& reel : reels) reel = startSymbol(d_.p.random.next(), top);
    s.slotRunning = 1;
    s.timeLast = d_.p.clock.tickNow();
    s.slotStops = static_cast<i16>(4 - s.slotReels);
    while (d_.running(s.slotRunning != 0)) {
        s.timeNow = d_.p.clock.tickNow();
        s.timeSince = s.timeNow - s.timeLast;
        if (s.timeSince > kStepMs) {
            // Reel p (0 = s1000 ... 3 = s0001) spins while no more than p reels are stopped.
            for (std::size_t p = 0; p < reels.size(); ++p)
                if (s.slotStops <= static_cast<int>(p)) reels[p] = nextSymbol(reels[p], top);
            s.timeLast = s.timeNow - (s.timeSince - Millis::fromMs(kStepMs));
            if (s.slotStops == 4) s.slotRunning = 0;
        }
        // Drawn after the step, so that A, handled in the yield below, stops a reel on what it shows.
        showReels(reels, fourReels);
        d_.pad.poll();
        d_.yieldFor(kPassWait);
    }
}

void SlotGame::showReels(const std::array<std::int16_t, 4>& reels, bool fourReels) {
    // In a three-reel game the left position keeps its blank.
    for (std::size_t p = fourReels ? 0 : 1; p < reels.size(); ++p)
        d_.display.setLarge(kReelPositions[p], reels[p]);
}

}  // namespace tap
