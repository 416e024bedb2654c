#include "ui/records/history_chart.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/analyzer/text_lines.h"

namespace tap::ui {

namespace {
const QColor kScreen(5, 13, 6);
const QColor kGrid(0, 64, 0);
const QColor kBar(0, 200, 0);
const QColor kLatestBar(0, 255, 0);
const QColor kBest(0, 255, 255);
const QColor kLabel(0, 160, 0);
constexpr int kLeft = 30, kTop = 18, kRight = 8, kBottom = 8;
}  // namespace

HistoryChart::HistoryChart(std::size_t runs, QWidget* parent) : QWidget(parent), slots_(runs) {
    setMinimumSize(320, 150);
}

void HistoryChart::setPoints(std::vector<ChartPoint> points, int top) {
    points_ = std::move(points);
    top_ = top;
    update();
}

void HistoryChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kScreen);
    const QRectF plot(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom);
    auto yOf = [&](int v) { return plot.bottom() - plot.height() * v / top_; };
    p.setFont(figureFont(10));
    // A line at each quarter of the scale, numbered on the left.
    for (int i = 0; i <= 4; ++i) {
        const int v = top_ * i / 4;
        const qreal y = yOf(v);
        p.setPen(kGrid);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(kLabel);
        p.drawText(QRectF(0, y - 7, kLeft - 4, 14), Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    p.setPen(kLabel);
    p.drawText(QRectF(kLeft, 2, plot.width(), 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("最近 %1 回の合計").arg(slots_));
    p.setPen(kBest);
    p.drawText(QRectF(kLeft, 2, plot.width(), 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("— 最高記録"));
    if (points_.empty()) return;
    const qreal slot = plot.width() / static_cast<qreal>(slots_);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const qreal x = plot.left() + slot * static_cast<qreal>(i);
        const QRectF bar(x + slot * 0.15, yOf(points_[i].total), slot * 0.7,
                         plot.bottom() - yOf(points_[i].total));
        p.fillRect(bar, i + 1 == points_.size() ? kLatestBar : kBar);
    }
    // The best so far as steps along the runs.
    QPainterPath best;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const qreal x = plot.left() + slot * static_cast<qreal>(i);
        const qreal y = yOf(points_[i].bestSoFar);
        if (i == 0)
            best.moveTo(x, y);
        else
            best.lineTo(x, y);
        best.lineTo(x + slot, y);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBest, 1.5));
    p.drawPath(best);
}

}  // namespace tap::ui
