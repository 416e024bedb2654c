#include "core/appearance/explosion_game.h"

#include "core/device/device.h"

namespace tap {

void ExplosionGame::enterMode() { d_.display.blastEntryDisplay(); }

// The closing-in windows come with the explosion game's own work; until then a run only re-shows the entry.
void ExplosionGame::run() { d_.display.blastEntryDisplay(); }

}  // namespace tap
