#include "tests/support/sim_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace tap::sim {

namespace {
int index(CanvasPicture pic) { return static_cast<int>(pic); }
}  // namespace

SimCanvas::SimCanvas() {
    for (int i = 0; i < kCanvasPictureCount; ++i) {
        const Size sz = canvasSize(static_cast<CanvasPicture>(i));
        pixels_[i].assign(static_cast<std::size_t>(sz.width) * sz.height, kBackground);
    }
}

void SimCanvas::set(CanvasPicture pic, int x, int y, Rgb c) {
    const Size sz = canvasSize(pic);
    if (x < 0 || y < 0 || x >= sz.width || y >= sz.height) return;
    pixels_[index(pic)][static_cast<std::size_t>(y) * sz.width + x] = c;
}

Rgb SimCanvas::pixel(CanvasPicture pic, int x, int y) const {
    const Size sz = canvasSize(pic);
    if (x < 0 || y < 0 || x >= sz.width || y >= sz.height) return kBackground;
    return pixels_[index(pic)][static_cast<std::size_t>(y) * sz.width + x];
}

void SimCanvas::clear(CanvasPicture pic, std::optional<Rect> area) {
    calls.push_back({CanvasCall::Clear, pic, {}, {}, {}, {}, LineStyle::Solid, {}});
    const Size sz = canvasSize(pic);
    const Rect r = area.value_or(Rect{0, 0, sz.width, sz.height});
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) set(pic, x, y, kBackground);
}

void SimCanvas::line(CanvasPicture pic, Point from, Point to, Rgb colour, LineStyle style) {
    calls.push_back({CanvasCall::Line, pic, from, to, colour, colour, style, {}});
    // Bresenham, both ends included; a dotted line paints every other pixel.
    int x = from.x, y = from.y;
    const int dx = std::abs(to.x - x), dy = -std::abs(to.y - y);
    const int sx = x < to.x ? 1 : -1, sy = y < to.y ? 1 : -1;
    int err = dx + dy;
    for (int n = 0;; ++n) {
        if (style == LineStyle::Solid || n % 2 == 0) set(pic, x, y, colour);
        if (x == to.x && y == to.y) break;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
    }
}

void SimCanvas::box(CanvasPicture pic, Point a, Point b, Rgb outline, Rgb fill) {
    calls.push_back({CanvasCall::Box, pic, a, b, outline, fill, LineStyle::Solid, {}});
    const int l = std::min(a.x, b.x), r = std::max(a.x, b.x), t = std::min(a.y, b.y), bt = std::max(a.y, b.y);
    for (int y = t; y <= bt; ++y)
        for (int x = l; x <= r; ++x) set(pic, x, y, x == l || x == r || y == t || y == bt ? outline : fill);
}

void SimCanvas::text(CanvasPicture pic, Point topLeft, const std::string& text, Rgb colour) {
    calls.push_back({CanvasCall::Text, pic, topLeft, topLeft, colour, colour, LineStyle::Solid, text});
}

std::vector<CanvasCall> SimCanvas::of(CanvasPicture pic, CanvasCall::Kind kind) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls)
        if (c.pic == pic && c.kind == kind) out.push_back(c);
    return out;
}

std::vector<std::string> SimCanvas::texts(CanvasPicture pic) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
        if (c.pic != pic) continue;
        if (c.kind == CanvasCall::Clear) out.clear();
        if (c.kind == CanvasCall::Text) out.push_back(c.text + "@" + std::to_string(c.a.x) + "," + std::to_string(c.a.y));
    }
    return out;
}

}  // namespace tap::sim
