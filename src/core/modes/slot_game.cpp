#include "core/modes/slot_game.h"

#include "core/device/device.h"

namespace tap {

void SlotGame::Mode_Slot_Clear() {
    d_.s.slotRunning = 0;
    d_.s.slotStops = 0;
    d_.s.slotReels = 3;
}

void SlotGame::toggleReels() {
    auto& s = d_.s;
    s.slotReels = s.slotReels <= 3 ? 4 : 3;
    for (El e : {El::s1000, El::s0100, El::s0010, El::s0001}) d_.display.setLarge(e, 0);
    if (s.slotReels == 3) d_.display.setLarge(El::s1000, pics::kBlank);
    d_.face.setVisible(El::s1000, s.slotReels == 4);
    d_.face.setVisible(El::s0100, true);
    d_.face.setVisible(El::s0010, true);
}

// The reels come with the slot game's own work; until then START in mode 3 ends the game at once.
void SlotGame::Mode_Slot() { d_.s.slotRunning = 0; }

}  // namespace tap
