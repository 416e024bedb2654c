#include "ui/picture_book.h"

#include <QPainter>
#include <QSvgRenderer>

#include "core/canvas.h"

// The pictures are compiled into a static library, whose resource registration a linker may drop.
static void registerPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace tap::ui {

namespace {

int keyOf(PictureId id) { return static_cast<int>(id.table) * 64 + id.index; }

struct TableInfo {
    PicTable table;
    int count;
};
constexpr TableInfo kTables[] = {
    {PicTable::Paneru, pics::kFaceCount}, {PicTable::PaneruS, pics::kFaceCount}, {PicTable::A, pics::kLargeCount},
    {PicTable::AS, pics::kLargeCount},    {PicTable::B, pics::kSmallCount},      {PicTable::BS, pics::kSmallCount},
    {PicTable::AlarmOn, 2},               {PicTable::AlarmOff, 2},               {PicTable::ResetButton, 2},
    {PicTable::SealInner, 2},             {PicTable::SealOuter, 2},              {PicTable::ButtonPress, 4},
    {PicTable::AnalyzerPage, 9},          {PicTable::AnalyzerStatus, 4},         {PicTable::AnalyzerBanner, 2},
    {PicTable::AnalyzerScale, 3},         {PicTable::AnalyzerLegend, 2},         {PicTable::AnalyzerClose, 1},
    {PicTable::CanvasBackground, kCanvasPictureCount},
    {PicTable::Game, pics::kGameCount},
};

QString digitName(int index, bool large) {
    if (index <= 9) return QString::number(index);
    if (index == pics::kBlank) return QStringLiteral("blank");
    if (index == 10) return large ? QStringLiteral("dot") : QStringLiteral("mode");
    return index == pics::kKoroGlyph1 ? QStringLiteral("koro1") : QStringLiteral("koro2");
}

}  // namespace

QString PictureBook::sourceOf(PictureId id) {
    const QString half = id.index == 1 ? QStringLiteral("_s") : QString();
    switch (id.table) {
        case PicTable::None: return {};
        case PicTable::Paneru:
        case PicTable::PaneruS: {
            const QString suffix = id.table == PicTable::PaneruS ? QStringLiteral("_s") : QString();
            const QString base = id.index == pics::kBackFace ? QStringLiteral("back")
                                                             : QStringLiteral("skin%1").arg(id.index);
            return QStringLiteral(":/pictures/face/%1%2.svg").arg(base, suffix);
        }
        case PicTable::A: return QStringLiteral(":/pictures/digits/large_%1.svg").arg(digitName(id.index, true));
        case PicTable::AS: return QStringLiteral(":/pictures/digits/large_%1_s.svg").arg(digitName(id.index, true));
        case PicTable::B: return QStringLiteral(":/pictures/digits/small_%1.svg").arg(digitName(id.index, false));
        case PicTable::BS:
            return QStringLiteral(":/pictures/digits/small_%1_s.svg").arg(digitName(id.index, false));
        case PicTable::AlarmOn: return QStringLiteral(":/pictures/alarm/alarm_on%1.svg").arg(half);
        case PicTable::AlarmOff: return QStringLiteral(":/pictures/alarm/alarm_off%1.svg").arg(half);
        case PicTable::ResetButton: return QStringLiteral(":/pictures/back/reset_button%1.svg").arg(half);
        case PicTable::SealInner: return QStringLiteral(":/pictures/back/seal_inner%1.svg").arg(half);
        case PicTable::SealOuter: return QStringLiteral(":/pictures/back/seal_outer%1.svg").arg(half);
        case PicTable::ButtonPress: {
            static const char* names[] = {"a_press", "b_press", "select_press", "start_press"};
            return QStringLiteral(":/pictures/buttons/%1.svg").arg(QLatin1String(names[id.index]));
        }
        case PicTable::AnalyzerPage: {
            static const char* states[] = {"", "_free", "_busy"};
            return QStringLiteral(":/pictures/analyzer/page%1%2.svg")
                .arg(id.index % pics::kPageButtons + 1)
                .arg(QLatin1String(states[id.index / pics::kPageButtons]));
        }
        case PicTable::AnalyzerStatus: {
            static const char* names[] = {"standby", "armed", "measuring", "finished"};
            return QStringLiteral(":/pictures/analyzer/status_%1.svg").arg(QLatin1String(names[id.index]));
        }
        case PicTable::AnalyzerBanner:
            return id.index == 0 ? QStringLiteral(":/pictures/analyzer/banner_active.svg")
                                 : QStringLiteral(":/pictures/analyzer/banner_device.svg");
        case PicTable::AnalyzerScale: return QStringLiteral(":/pictures/analyzer/scale_%1.svg").arg(30 * (id.index + 1));
        case PicTable::AnalyzerLegend:
            return id.index == 0 ? QStringLiteral(":/pictures/analyzer/legend_line.svg")
                                 : QStringLiteral(":/pictures/analyzer/legend_bar.svg");
        case PicTable::AnalyzerClose: return QStringLiteral(":/pictures/analyzer/close.svg");
        case PicTable::CanvasBackground: {
            static const char* names[] = {"graph", "meter", "chart"};
            return QStringLiteral(":/pictures/analyzer/%1_background.svg").arg(QLatin1String(names[id.index]));
        }
        case PicTable::Game: {
            static const char* names[] = {"panel",      "preview_empty", "loader_banner", "explosion0",
                                          "explosion1", "explosion2",    "explosion3",    "bonus"};
            return QStringLiteral(":/pictures/games/%1.svg").arg(QLatin1String(names[id.index]));
        }
    }
    return {};
}

QPixmap PictureBook::render(const QString& path, Size size, qreal dpr) {
    QPixmap pm(QSize(qRound(size.width * dpr), qRound(size.height * dpr)));
    pm.fill(Qt::transparent);
    QSvgRenderer svg(path);
    QPainter p(&pm);
    if (svg.isValid()) {
        svg.render(&p);
    } else {
        // A missing picture shows as a marked box rather than silently vanishing.
        p.fillRect(pm.rect(), QColor(255, 0, 255, 160));
        qWarning("tapriko: picture %s is missing", qPrintable(path));
    }
    p.end();
    pm.setDevicePixelRatio(dpr);
    return pm;
}

PictureBook::PictureBook(qreal dpr) {
    registerPictureResources();
    for (const auto& t : kTables)
        for (int i = 0; i < t.count; ++i) {
            const PictureId id{t.table, static_cast<std::int8_t>(i)};
            pixmaps_.insert(keyOf(id), render(sourceOf(id), pictureSize(id), dpr));
        }
    cursors_[0] = render(QStringLiteral(":/pictures/cursors/cursor_normal.svg"), {32, 32}, dpr);
    cursors_[1] = render(QStringLiteral(":/pictures/cursors/cursor_pressed.svg"), {32, 32}, dpr);
}

const QPixmap& PictureBook::pixmap(PictureId id) const {
    const auto it = pixmaps_.constFind(keyOf(id));
    return it == pixmaps_.constEnd() ? none_ : *it;
}

}  // namespace tap::ui
