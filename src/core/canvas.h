#pragma once
// Immediate drawing into named pictures of fixed logical size, each over a background picture of its own.
// Coordinates are logical pixels from the picture's top left; lines and boxes include both end points, and
// the corners of a box may come in either order. Drawing outside a picture is clipped.
#include <cstdint>
#include <optional>
#include <string>

#include "core/geometry.h"

namespace tap {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class LineStyle : std::uint8_t { Solid, Dotted };

// The analyzer's drawing surfaces: the per-second graph with its progress bar, the speed meter and the
// timing chart.
enum class CanvasPicture : std::uint8_t { Picture1, Picture2, pb1, Count };
constexpr int kCanvasPictureCount = static_cast<int>(CanvasPicture::Count);

// Logical size of each picture.
constexpr Size canvasSize(CanvasPicture pic) {
    switch (pic) {
        case CanvasPicture::Picture1: return {350, 175};
        case CanvasPicture::Picture2: return {350, 19};
        case CanvasPicture::pb1: return {5042, 204};
        case CanvasPicture::Count: break;
    }
    return {};
}

class Canvas {
public:
    virtual ~Canvas() = default;
    // Removes what was drawn, in the whole picture or inside `area` (right/bottom exclusive), and shows the
    // background there again.
    virtual void clear(CanvasPicture pic, std::optional<Rect> area = std::nullopt) = 0;
    virtual void line(CanvasPicture pic, Point from, Point to, Rgb colour, LineStyle style = LineStyle::Solid) = 0;
    // A box outlined in `outline` and filled with `fill`; a box that is all one colour passes it twice.
    virtual void box(CanvasPicture pic, Point a, Point b, Rgb outline, Rgb fill) = 0;
    // Text in the pictures' small figure font, its top left at `topLeft`.
    virtual void text(CanvasPicture pic, Point topLeft, const std::string& text, Rgb colour) = 0;
};

}  // namespace tap
