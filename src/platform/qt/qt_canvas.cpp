#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace tap::qt {

namespace {
QColor colourOf(Rgb c) { return QColor(c.r, c.g, c.b); }

// The pixels from one corner to the other, both included.
QRect span(Point a, Point b) {
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x), std::max(a.y, b.y)));
}

// Device pixels of a logical area, inside the image.
QRect devicePixels(const QImage& img, const QRect& logical, qreal dpr) {
    const QRect r(qFloor(logical.x() * dpr), qFloor(logical.y() * dpr), qCeil(logical.width() * dpr),
                  qCeil(logical.height() * dpr));
    return r.intersected(img.rect());
}

// Boxes and straight lines are most of what is drawn, many times a second: they are written straight into
// the image, without a painter.
void fillPixels(QImage& img, const QRect& logical, Rgb c, qreal dpr) {
    const QRect r = devicePixels(img, logical, dpr);
    const QRgb v = qRgb(c.r, c.g, c.b);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        std::fill(row + r.left(), row + r.right() + 1, v);
    }
}

QImage blank(CanvasPicture pic, qreal dpr) {
    const Size s = canvasSize(pic);
    QImage img(qRound(s.width * dpr), qRound(s.height * dpr), QImage::Format_RGB32);
    img.fill(Qt::black);
    img.setDevicePixelRatio(dpr);
    return img;
}
}  // namespace

QtCanvas::QtCanvas(qreal dpr) : dpr_(dpr) {
    font_.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"), QStringLiteral("monospace")});
    font_.setPixelSize(9);
    for (int i = 0; i < kCanvasPictureCount; ++i) {
        backgrounds_[i] = blank(static_cast<CanvasPicture>(i), dpr);
        images_[i] = backgrounds_[i].copy();
    }
}

void QtCanvas::setBackground(CanvasPicture pic, const QImage& background) {
    QImage bg = background.convertToFormat(QImage::Format_RGB32);
    bg.setDevicePixelRatio(dpr_);
    backgrounds_[index(pic)] = bg;
    clear(pic, std::nullopt);
}

void QtCanvas::damaged(CanvasPicture pic, const QRect& area) {
    if (onDamage) onDamage(pic, area);
}

void QtCanvas::clear(CanvasPicture pic, std::optional<Rect> area) {
    const Size s = canvasSize(pic);
    const QRect whole(0, 0, s.width, s.height);
    const QRect r = area ? QRect(area->left, area->top, area->width(), area->height()).intersected(whole) : whole;
    if (r == whole) {
        images_[index(pic)] = backgrounds_[index(pic)].copy();
    } else if (!r.isEmpty()) {
        QImage& img = images_[index(pic)];
        const QImage& bg = backgrounds_[index(pic)];
        const QRect d = devicePixels(img, r, dpr_);
        for (int y = d.top(); y <= d.bottom(); ++y)
            std::copy_n(reinterpret_cast<const QRgb*>(bg.constScanLine(y)) + d.left(), d.width(),
                        reinterpret_cast<QRgb*>(img.scanLine(y)) + d.left());
    }
    damaged(pic, r);
}

void QtCanvas::line(CanvasPicture pic, Point from, Point to, Rgb colour, LineStyle style) {
    const QRect r = span(from, to);
    if (style == LineStyle::Solid && (from.x == to.x || from.y == to.y)) {
        fillPixels(images_[index(pic)], r, colour, dpr_);  // exact pixels at any ratio
    } else {
        QPainter p(&images_[index(pic)]);
        p.setRenderHint(QPainter::Antialiasing, style == LineStyle::Solid);
        QPen pen(colourOf(colour), 1, style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap);
        p.setPen(pen);
        p.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
    }
    damaged(pic, r.adjusted(-1, -1, 1, 1));
}

void QtCanvas::box(CanvasPicture pic, Point a, Point b, Rgb outline, Rgb fill) {
    const QRect r = span(a, b);
    fillPixels(images_[index(pic)], r, outline, dpr_);
    if (fill != outline && r.width() > 2 && r.height() > 2) fillPixels(images_[index(pic)], r.adjusted(1, 1, -1, -1), fill, dpr_);
    damaged(pic, r);
}

void QtCanvas::text(CanvasPicture pic, Point topLeft, const std::string& text, Rgb colour) {
    QPainter p(&images_[index(pic)]);
    p.setFont(font_);
    p.setPen(colourOf(colour));
    const QString s = QString::fromStdString(text);
    const QFontMetrics fm(font_);
    const QRect r(topLeft.x, topLeft.y, fm.horizontalAdvance(s) + 1, fm.height());
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop, s);
    damaged(pic, r);
}

}  // namespace tap::qt
