#include "core/modes/slot_game.h"

#include "core/device/device.h"

namespace tap {

void SlotGame::Mode_Slot_Clear() {
    d_.s.slotRunning = 0;
    d_.s.slotStops = 0;
    d_.s.slotReels = 3;
}

// The reels come with the slot game's own work; until then START in mode 3 ends the game at once.
void SlotGame::Mode_Slot() { d_.s.slotRunning = 0; }

}  // namespace tap
