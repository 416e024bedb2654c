#include "ui/analyzer/text_lines.h"

#include <QPainter>

namespace tap::ui {

QFont figureFont(int pixelSize) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"), QStringLiteral("monospace")});
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixelSize);
    return f;
}

TextLines::TextLines(QWidget* parent) : QWidget(parent) {
    setFont(figureFont());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(5, 13, 6));
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    setPalette(pal);
}

void TextLines::setLines(const QStringList& lines) {
    if (lines == lines_) return;
    lines_ = lines;
    update();
}

void TextLines::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int step = fontMetrics().height();
    for (int i = 0; i < lines_.size(); ++i)
        p.drawText(QRect(3, 2 + i * step, width() - 6, step), Qt::AlignLeft | Qt::AlignVCenter, lines_[i]);
}

}  // namespace tap::ui
