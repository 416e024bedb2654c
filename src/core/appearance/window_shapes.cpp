#include "core/appearance/window_shapes.h"

#include "core/device/device.h"

namespace tap {

namespace shapes {

WindowShape front100() { return {{4, 4, 425, 256}, {74, 74}, {55, 56, 99, 100}}; }
WindowShape back100() { return {{4, 4, 425, 256}, {74, 74}, {331, 56, 375, 100}}; }
WindowShape front50() { return {{2, 2, 213, 129}, {32, 32}, {28, 28, 50, 51}}; }
WindowShape back50() { return {{2, 2, 213, 129}, {32, 32}, {165, 28, 187, 51}}; }

namespace {

// Pixel centre inside the ellipse inscribed in r.
bool inEllipse(const Rect& r, double cx, double cy, Point p) {
    const double rx = r.width() / 2.0, ry = r.height() / 2.0;
    const double dx = (p.x + 0.5 - cx) / rx, dy = (p.y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace

bool contains(const WindowShape& shape, Point p) {
    const Rect& o = shape.outline;
    if (!o.contains(p)) return false;
    const Rect& h = shape.hole;
    if (inEllipse(h, (h.left + h.right) / 2.0, (h.top + h.bottom) / 2.0, p)) return false;
    // Corners: outside the quarter ellipses of the corner size.
    const double rx = shape.corner.width / 2.0, ry = shape.corner.height / 2.0;
    const double cx = p.x + 0.5 < o.left + rx ? o.left + rx : (p.x + 0.5 > o.right - rx ? o.right - rx : p.x + 0.5);
    const double cy = p.y + 0.5 < o.top + ry ? o.top + ry : (p.y + 0.5 > o.bottom - ry ? o.bottom - ry : p.y + 0.5);
    const double dx = (p.x + 0.5 - cx) / rx, dy = (p.y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace shapes

void WindowShapes::MakeRgn_L() { d_.p.window.setShape(shapes::front100()); }
void WindowShapes::MakeRgn_Back() { d_.p.window.setShape(shapes::back100()); }
void WindowShapes::MakeRgn_S() { d_.p.window.setShape(shapes::front50()); }
void WindowShapes::MakeRgn_Back_S() { d_.p.window.setShape(shapes::back50()); }

void WindowShapes::applyCurrent() {
    const bool back = d_.s.backSideShown != 0;
    if (d_.s.compactView) back ? MakeRgn_Back_S() : MakeRgn_S();
    else back ? MakeRgn_Back() : MakeRgn_L();
}

}  // namespace tap
