#pragma once
// The analyzer's pictures as images at the screen's pixel ratio, so that lines stay crisp at 200 %.
// Every drawing call reports the logical area it changed, for the views to repaint just that.
#include <QFont>
#include <QImage>
#include <QRect>
#include <array>
#include <functional>

#include "core/canvas.h"

namespace tap::qt {

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(qreal devicePixelRatio);

    // The picture shown under a canvas picture; it must have the picture's size at this pixel ratio.
    void setBackground(CanvasPicture pic, const QImage& background);
    const QImage& image(CanvasPicture pic) const { return images_[index(pic)]; }
    qreal devicePixelRatio() const { return dpr_; }
    // Called after each change with the logical area it touched.
    std::function<void(CanvasPicture, const QRect&)> onDamage;

    void clear(CanvasPicture pic, std::optional<Rect> area) override;
    void line(CanvasPicture pic, Point from, Point to, Rgb colour, LineStyle style) override;
    void box(CanvasPicture pic, Point a, Point b, Rgb outline, Rgb fill) override;
    void text(CanvasPicture pic, Point topLeft, const std::string& text, Rgb colour) override;

private:
    static int index(CanvasPicture pic) { return static_cast<int>(pic); }
    void damaged(CanvasPicture pic, const QRect& area);
    qreal dpr_;
    QFont font_;
    std::array<QImage, kCanvasPictureCount> images_, backgrounds_;
};

}  // namespace tap::qt
