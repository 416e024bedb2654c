#include "ui/analyzer/canvas_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace tap::ui {

namespace {
constexpr int kRepaintMs = 16;
}

CanvasView::CanvasView(const qt::QtCanvas& canvas, CanvasPicture pic, QWidget* parent)
    : QWidget(parent), canvas_(canvas), pic_(pic) {
    const Size s = canvasSize(pic);
    setFixedSize(s.width, s.height);
    setAttribute(Qt::WA_OpaquePaintEvent);
    repaint_.setSingleShot(true);
    connect(&repaint_, &QTimer::timeout, this, [this] {
        update(pending_.translated(-offset_, 0));
        pending_ = {};
    });
}

void CanvasView::setOffset(int x) {
    if (x == offset_) return;
    offset_ = x;
    update();
}

void CanvasView::damaged(const QRect& area) {
    pending_ |= area;
    if (!repaint_.isActive()) repaint_.start(kRepaintMs);
}

void CanvasView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const QImage& img = canvas_.image(pic_);
    const qreal dpr = img.devicePixelRatio();
    const QRect r = e->rect();
    const QRectF source((r.x() + offset_) * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr);
    p.drawImage(QRectF(r), img, source);
}

}  // namespace tap::ui
