#pragma once
// Mode 4: the explosion reflex game. START sends the four panel windows from the corners of a square
// around the screen centre towards the centre; presses in the first 2.5 s raise the target, presses in
// the last leg count, and reaching the target before the panels meet sets off the explosion.
#include "core/appearance/explosion_effect.h"
#include "core/geometry.h"
#include "core/millis.h"

namespace tap {

class Device;

class ExplosionGame {
public:
    explicit ExplosionGame(Device& d) : d_(d), effect_(d) {}

    // The panel windows while they fly; the shape still cuts each to its quarter of the picture.
    static constexpr Size kPanelWindow{120, 136};
    // The loop places the panels at most once a frame and sleeps between frames: smooth movement
    // without a core spinning on window moves.
    static constexpr Millis kFrame = Millis::fromMs(8);

    // The mode-4 entry display.
    void enterMode();
    // START in mode 4 while no run moves. A run started while an older blast still plays is carried by
    // the loop that plays it, so that runs never nest.
    void run();
    // Leaving mode 4: the panels, the explosion and the bonus close and the game's loop ends.
    void leaveMode();

private:
    void preparePanels();
    void loop();
    void moveRun(Millis now);

    Device& d_;
    ExplosionEffect effect_;
    Point centre_;
    Millis start_, lastFrame_;
    int run_ = 0;       // serial of the latest run
    int loops_ = 0;     // serial of the latest loop
    int liveLoop_ = 0;  // the loop that carries the game, 0 when none does
};

}  // namespace tap
