#pragma once
// Where the explosion game's windows stand: the four panels' course from the corners of a square around
// the screen centre to the centre, in three legs, as a pure function of the time since START.
#include <array>
#include <cstdint>

#include "core/geometry.h"
#include "core/millis.h"

namespace tap::explosion {

// Leg 1 runs 100 px down in 1 000 ms, a hold of 1 000 ms follows, leg 2 runs 400 px across in 500 ms,
// leg 3 the last 300 px down in 1 300 ms: the panels meet 3 800 ms after START.
constexpr int kStartOffset = 400;
constexpr std::int64_t kLeg1End = 1000, kLeg2Start = 2000, kLeg3Start = 2500, kMeet = 3800;

struct PanelStep {
    std::array<Point, 4> panels;  // top-left corners of panels 1 (top left) to 4 (bottom right)
    std::int16_t phase = 0;       // blastPhase: 0 early presses raise the target, 1 presses count, 2 over
    bool met = false;             // the panels stand together at the centre: the run is over
};

// The point where a panel of the given size stands centred on the screen.
Point centreOf(const Rect& screen, Size panel);
PanelStep panelsAt(Millis elapsed, Point centre);
// The bonus window: its top 300 px above the centre point, centred across the screen.
Point bonusPosition(const Rect& screen, Point centre, Size bonus);
// Panel i's quarter (0 top left, 1 top right, 2 bottom left, 3 bottom right) of a picture.
Rect quarter(int panel, Size picture);

}  // namespace tap::explosion
