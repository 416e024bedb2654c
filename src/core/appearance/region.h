#pragma once
// A window shape as a set of pixel rectangles, in window coordinates: what the window-region calls
// build by combining rectangles, kept as plain geometry for the views to turn into masks.
#include <vector>

#include "core/geometry.h"

namespace tap {

class Region {
public:
    Region() = default;
    // The rectangles must not overlap; empty ones are dropped.
    explicit Region(std::vector<Rect> rects);

    const std::vector<Rect>& rects() const { return rects_; }
    bool contains(Point p) const;
    // Pixels covered, counting each once.
    long long area() const;
    Rect bounds() const;
    // The part that lies inside `clip` (the window-region call's combine mode "and").
    Region intersected(const Rect& clip) const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<Rect> rects_;
};

}  // namespace tap
