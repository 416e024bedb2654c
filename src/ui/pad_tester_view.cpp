#include "ui/pad_tester_view.h"

#include <QPainter>

namespace tap::ui {

namespace {
constexpr int kRowHeight = 40;
constexpr int kLamp = 16;
constexpr int kLampGap = 4;
}  // namespace

PadTesterView::PadTesterView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize PadTesterView::sizeHint() const {
    return {12 * (kLamp + kLampGap), static_cast<int>(pads_.size()) * kRowHeight};
}

void PadTesterView::setPads(const std::vector<TestedPad>& pads) {
    if (pads == pads_) return;
    const bool resized = pads.size() != pads_.size();
    pads_ = pads;
    if (resized) updateGeometry();
    update();
}

void PadTesterView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPixelSize(9);
    int y = 0;
    for (const auto& pad : pads_) {
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        p.drawText(QRect(0, y, width(), 18), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(pad.title));
        p.setFont(small);
        for (int b = 0; b < 12; ++b) {
            const QRectF lamp(b * (kLamp + kLampGap) + 0.5, y + 20.5, kLamp - 1, kLamp - 1);
            const bool lit = (pad.lit >> b & 1u) != 0;
            p.setPen(QPen(QColor(60, 60, 60), 1));
            p.setBrush(lit ? QColor(255, 200, 0) : palette().color(QPalette::Base));
            p.drawEllipse(lamp);
            p.setPen(lit ? QColor(Qt::black) : palette().color(QPalette::PlaceholderText));
            p.drawText(lamp, Qt::AlignCenter, QString::number(b + 1));
        }
        y += kRowHeight;
    }
}

}  // namespace tap::ui
