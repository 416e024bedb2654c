#pragma once
// A canvas for scenarios: it keeps every call and paints a pixel buffer per picture, so that tests can ask
// both what was drawn and what a pixel shows.
#include <array>
#include <string>
#include <vector>

#include "core/canvas.h"

namespace tap::sim {

struct CanvasCall {
    enum Kind { Clear, Line, Box, Text } kind;
    CanvasPicture pic;
    Point a, b;
    Rgb colour, fill;
    LineStyle style = LineStyle::Solid;
    std::string text;
};

class SimCanvas : public Canvas {
public:
    // What the pictures' backgrounds show in the buffer: no drawing colour.
    static constexpr Rgb kBackground{1, 2, 3};

    SimCanvas();
    void clear(CanvasPicture pic, std::optional<Rect> area) override;
    void line(CanvasPicture pic, Point from, Point to, Rgb colour, LineStyle style) override;
    void box(CanvasPicture pic, Point a, Point b, Rgb outline, Rgb fill) override;
    void text(CanvasPicture pic, Point topLeft, const std::string& text, Rgb colour) override;

    Rgb pixel(CanvasPicture pic, int x, int y) const;
    std::vector<CanvasCall> calls;
    // The calls into one picture of one kind.
    std::vector<CanvasCall> of(CanvasPicture pic, CanvasCall::Kind kind) const;
    // Texts drawn into a picture since it was last cleared, as "text@x,y".
    std::vector<std::string> texts(CanvasPicture pic) const;
    void forget() { calls.clear(); }

private:
    void set(CanvasPicture pic, int x, int y, Rgb c);
    std::array<std::vector<Rgb>, kCanvasPictureCount> pixels_;
};

}  // namespace tap::sim
