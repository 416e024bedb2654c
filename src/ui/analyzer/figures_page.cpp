#include "ui/analyzer/figures_page.h"

#include "ui/analyzer/text_lines.h"

namespace tap::ui {

namespace {
QRect toQRect(Rect r) { return QRect(r.left, r.top, r.width(), r.height()); }

QLabel* label(QWidget* parent, const QString& text, QRect where, Qt::Alignment align, QColor colour) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(where);
    l->setAlignment(align);
    l->setFont(figureFont(FiguresTable::kFontSize + 2));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

const QColor kPrint(63, 154, 74), kFigure(0, 255, 0);
const char* const kColumnNames[] = {"latest_b", "latest_a", "latest_ab", "prev_b", "prev_a",
                                    "prev_ab",  "diff_b",   "diff_a",    "diff_ab"};
}  // namespace

FiguresPage::FiguresPage(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(5, 13, 6));
    setPalette(pal);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Group headings over each three columns, then the buttons they count.
    const char* groups[] = {"今回", "前回", "差"};
    const char* buttons[] = {"B", "A", "AB"};
    for (int g = 0; g < 3; ++g) {
        const QRect first = toQRect(FiguresTable::cellRect(static_cast<FiguresTable::Column>(3 * g), 0));
        label(this, QString::fromUtf8(groups[g]), QRect(first.left(), 10, 89, 12), Qt::AlignCenter, kPrint);
        for (int b = 0; b < 3; ++b) {
            const QRect c = toQRect(FiguresTable::cellRect(static_cast<FiguresTable::Column>(3 * g + b), 0));
            label(this, QString::fromLatin1(buttons[b]), QRect(c.left(), 26, c.width(), 11), Qt::AlignRight, kPrint);
        }
    }
    for (int row = 0; row < FiguresTable::kRows; ++row) {
        const QRect c = toQRect(FiguresTable::cellRect(FiguresTable::latest_b, row));
        const QString name = row == FiguresTable::kTotalRow ? QStringLiteral("計") : QStringLiteral("%1秒").arg(row + 1);
        label(this, name, QRect(6, c.top(), 38, c.height()), Qt::AlignRight | Qt::AlignVCenter, kPrint);
    }
    for (int c = 0; c < FiguresTable::kColumns; ++c)
        for (int row = 0; row < FiguresTable::kRows; ++row) {
            const auto column = static_cast<FiguresTable::Column>(c);
            cells_[c][row] = label(this, {}, toQRect(FiguresTable::cellRect(column, row)), Qt::AlignRight | Qt::AlignVCenter,
                                   kFigure);
            cells_[c][row]->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(kColumnNames[c])).arg(row));
        }
}

void FiguresPage::refresh(const FiguresTable& table) {
    for (int c = 0; c < FiguresTable::kColumns; ++c)
        for (int row = 0; row < FiguresTable::kRows; ++row) {
            const QString text = QString::fromStdString(table.text(static_cast<FiguresTable::Column>(c), row));
            if (cells_[c][row]->text() != text) cells_[c][row]->setText(text);
        }
}

}  // namespace tap::ui
