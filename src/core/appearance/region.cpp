#include "core/appearance/region.h"

#include <algorithm>

namespace tap {

Region::Region(std::vector<Rect> rects) : rects_(std::move(rects)) {
    std::erase_if(rects_, [](const Rect& r) { return r.width() <= 0 || r.height() <= 0; });
}

bool Region::contains(Point p) const {
    return std::any_of(rects_.begin(), rects_.end(), [p](const Rect& r) { return r.contains(p); });
}

long long Region::area() const {
    long long sum = 0;
    for (const Rect& r : rects_) sum += static_cast<long long>(r.width()) * r.height();
    return sum;
}

Rect Region::bounds() const {
    if (rects_.empty()) return {};
    Rect b = rects_.front();
    for (const Rect& r : rects_) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

Region Region::intersected(const Rect& clip) const {
    std::vector<Rect> out;
    out.reserve(rects_.size());
    for (const Rect& r : rects_)
        out.push_back({std::max(r.left, clip.left), std::max(r.top, clip.top), std::min(r.right, clip.right),
                       std::min(r.bottom, clip.bottom)});
    return Region(std::move(out));
}

}  // namespace tap
