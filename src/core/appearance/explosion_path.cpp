#include "core/appearance/explosion_path.h"

#include <cmath>

namespace tap::explosion {

Point centreOf(const Rect& screen, Size panel) {
    return {screen.left + (screen.width() - panel.width) / 2,
            screen.top + (screen.height() - panel.height) / 2};
}

PanelStep panelsAt(Millis elapsed, Point centre) {
    const double e = elapsed.ms();
    double across = kStartOffset;  // horizontal distance of every panel from the centre point
    double down = kStartOffset;    // vertical distance
    PanelStep step;
    if (elapsed < kLeg1End) {
        down = kStartOffset - e * 0.1;
    } else if (elapsed < kLeg2Start) {
        down = 300;
    } else if (elapsed < kLeg3Start) {
        down = 300;
        across = kStartOffset - (e - kLeg2Start) * 0.8;
    } else if (elapsed < kMeet) {
        step.phase = 1;
        across = 0;
        down = 300 - (e - kLeg3Start) * 300.0 / 1300.0;
    } else {
        step.phase = 2;
        step.met = true;
        across = down = 0;
    }
    const int dx = static_cast<int>(std::lround(across));
    const int dy = static_cast<int>(std::lround(down));
    step.panels = {Point{centre.x - dx, centre.y - dy}, Point{centre.x + dx, centre.y - dy},
                   Point{centre.x - dx, centre.y + dy}, Point{centre.x + dx, centre.y + dy}};
    return step;
}

Point bonusPosition(const Rect& screen, Point centre, Size bonus) {
    return {screen.left + (screen.width() - bonus.width) / 2, centre.y - 300};
}

Rect quarter(int panel, Size picture) {
    const int halfW = picture.width / 2, halfH = picture.height / 2;
    const int left = panel % 2 == 0 ? 0 : halfW;
    const int top = panel < 2 ? 0 : halfH;
    return {left, top, panel % 2 == 0 ? halfW : picture.width, panel < 2 ? halfH : picture.height};
}

}  // namespace tap::explosion
