#include "core/appearance/run_table.h"

#include <vector>

namespace tap {

Region regionOfRuns(std::span<const Run> runs, int ox, int oy) {
    std::vector<Rect> rects;
    rects.reserve(runs.size());
    for (const Run& r : runs)
        rects.push_back({ox + kRunCell * r.x, oy + kRunCell * r.y, ox + kRunCell * (r.x + r.w),
                         oy + kRunCell * (r.y + 1)});
    return Region(std::move(rects));
}

}  // namespace tap
