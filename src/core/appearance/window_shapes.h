#pragma once
// The device outline with its strap hole, for each face and view size.
#include "core/platform.h"

namespace tap {

class Device;

namespace shapes {
WindowShape front100();  // MakeRgn_L
WindowShape back100();   // MakeRgn_Back
WindowShape front50();   // MakeRgn_S
WindowShape back50();    // MakeRgn_Back_S
// Whether a window pixel belongs to the shape, with the same rounding the window system applies.
bool contains(const WindowShape& shape, Point p);
}  // namespace shapes

class WindowShapes {
public:
    explicit WindowShapes(Device& d) : d_(d) {}

    void MakeRgn_L();
    void MakeRgn_Back();
    void MakeRgn_S();
    void MakeRgn_Back_S();
    // The shape for the face and view now shown.
    void applyCurrent();

private:
    Device& d_;
};

}  // namespace tap
