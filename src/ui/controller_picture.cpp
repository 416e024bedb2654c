#include "ui/controller_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tap::ui {

namespace {
constexpr QSize kSize(232, 172);
}

ControllerPicture::ControllerPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(kSize);
    const qreal dpr = devicePixelRatioF();
    controller_ = QPixmap(kSize * dpr);
    controller_.setDevicePixelRatio(dpr);
    controller_.fill(Qt::transparent);
    QPainter p(&controller_);
    QSvgRenderer(QStringLiteral(":/pictures/keysetup/controller.svg")).render(&p, QRectF(QPointF(0, 0), kSize));
}

void ControllerPicture::setLines(const std::vector<LeaderLine>& lines) {
    if (lines == lines_) return;
    lines_ = lines;
    update();
}

void ControllerPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, controller_);
    // One device pixel wide on the pixel centres, so the lines stay crisp at any scale.
    QPen pen(Qt::black, 0);
    pen.setCosmetic(true);
    p.setPen(pen);
    for (const auto& l : lines_) p.drawLine(QPointF(l.from.x + 0.5, l.from.y + 0.5), QPointF(l.to.x + 0.5, l.to.y + 0.5));
}

}  // namespace tap::ui
