#pragma once
// Run tables: window shapes as runs of 4-pixel cells. Run i covers left = ox + 4·x, top = oy + 4·y,
// right = ox + 4·(x + w), bottom = oy + 4·(y + 1).
#include <span>

#include "core/appearance/region.h"

namespace tap {

struct Run {
    int x = 0;  // first cell of the run
    int y = 0;  // row
    int w = 0;  // cells
    friend bool operator==(const Run&, const Run&) = default;
};

constexpr int kRunCell = 4;

// The union of the runs' rectangles, shifted by the offsets (pixels).
Region regionOfRuns(std::span<const Run> runs, int ox, int oy);

}  // namespace tap
