#include "ui/analyzer/analyzer_view.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <utility>

#include "ui/analyzer/text_lines.h"
#include "platform/qt/entry_guard.h"
#include "ui/instrument_palette.h"
#include "ui/menu_builder.h"

namespace tap::ui {

namespace {
using Part = AnalyzerWindow::Part;
constexpr int kPagesHeight = 222;  // the pages end here; the page buttons and the status lie below

// A sunken frame around a picture at (x, y) of the given outer size.
void bezel(QWidget* parent, QRect outer) {
    auto* f = new QFrame(parent);
    f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f->setLineWidth(2);
    f->setGeometry(outer);
}
}  // namespace

AnalyzerView::AnalyzerView(Device& device, const PictureBook& book, qt::QtCanvas& canvas, QWidget* owner)
    : QWidget(owner, Qt::Tool), model_(device.analyzerWindow), book_(book) {
    setWindowTitle(QString::fromLatin1(AnalyzerWindow::kCaption));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    instrumentPalette(*this);
    for (int i = 0; i < kCanvasPictureCount; ++i)
        canvas.setBackground(static_cast<CanvasPicture>(i),
                             book.pixmap({PicTable::CanvasBackground, static_cast<std::int8_t>(i)}).toImage());
    buildPages(canvas);
    buildControls();
    canvas.onDamage = [this](CanvasPicture pic, const QRect& area) { canvases_[static_cast<int>(pic)]->damaged(area); };
    soon_.setSingleShot(true);
    connect(&soon_, &QTimer::timeout, this, [this] {
        for (Part p : std::exchange(pending_, {})) syncNow(p);
    });
    model_.onChange = [this](Part part) { sync(part); };
    for (Part p : {Part::Pages, Part::Status, Part::Banner, Part::Scales, Part::Table, Part::PressList,
                   Part::TimeLists, Part::Options, Part::Score})
        syncNow(p);
    setFixedSize(AnalyzerWindow::kClientSize.width, AnalyzerWindow::kClientSize.height);
}

QLabel* AnalyzerView::picture(PictureId id, QPoint at, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setPixmap(book_.pixmap(id));
    const Size s = pictureSize(id);
    l->setGeometry(at.x(), at.y(), s.width, s.height);
    return l;
}

void AnalyzerView::buildPages(const qt::QtCanvas& canvas) {
    for (int i = 0; i < 3; ++i) {
        auto*& page = pages_[i];
        page = new QWidget(this);
        page->setObjectName(QStringLiteral("page%1").arg(i + 1));
        page->setGeometry(0, 0, AnalyzerWindow::kClientSize.width, kPagesHeight);
    }
    // Page 1: the graph over its scale, with its legends and the score below the baseline; the speed meter.
    QWidget* p1 = pages_[0];
    bezel(p1, {8, 14, 353, 179});
    bezel(p1, {8, 199, 353, 23});
    canvases_[0] = new CanvasView(canvas, CanvasPicture::Picture1, p1);
    canvases_[0]->move(10, 16);
    canvases_[0]->setObjectName(QStringLiteral("Picture1"));
    canvases_[1] = new CanvasView(canvas, CanvasPicture::Picture2, p1);
    canvases_[1]->move(10, 201);
    canvases_[1]->setObjectName(QStringLiteral("Picture2"));
    for (int r = 0; r < 3; ++r) scales_[r] = picture({PicTable::AnalyzerScale, static_cast<std::int8_t>(r)}, {10, 16}, p1);
    legendLine_ = picture({PicTable::AnalyzerLegend, 0}, {155, 164}, p1);
    legendBar_ = picture({PicTable::AnalyzerLegend, 1}, {155, 164}, p1);
    score_ = new QLabel(p1);
    score_->setGeometry(44, 164, 108, 14);
    score_->setFont(figureFont(10));
    QPalette green = score_->palette();
    green.setColor(QPalette::WindowText, QColor(0, 255, 0));
    score_->setPalette(green);
    // Picture1's right button opens the options menu between runs.
    canvases_[0]->installEventFilter(this);
    // Page 2: the timing chart, wider than its frame, scrolled by the bar below it.
    QWidget* p2 = pages_[1];
    bezel(p2, {8, 14, 353, 188});
    auto* chartFrame = new QWidget(p2);
    chartFrame->setGeometry(10, 16, 350, 184);
    hscll1_ = new QScrollBar(Qt::Horizontal, p2);
    hscll1_->setGeometry(8, 206, 352, 16);
    hscll1_->setRange(0, AnalyzerWindow::kChartScrollMax);
    hscll1_->setPageStep(350);
    hscll1_->setSingleStep(25);
    hscll1_->setFocusPolicy(Qt::NoFocus);
    connect(hscll1_, &QScrollBar::valueChanged, this, [this](int v) { qt::guarded([&] { model_.hscll1_Change(v); }); });
    canvases_[2] = new CanvasView(canvas, CanvasPicture::pb1, chartFrame);
    canvases_[2]->setObjectName(QStringLiteral("pb1"));
    hscll1_->setObjectName(QStringLiteral("hscll1"));
    // Page 3: the figures.
    figures_ = new FiguresPage(pages_[2]);
    figures_->setGeometry(8, 14, 353, 208);
}

void AnalyzerView::buildControls() {
    for (int i = 0; i < 3; ++i) {
        pageButtons_[i] = new PictureButton(book_, model_.pageButton(i), this);
        pageButtons_[i]->move(8 + 26 * i, kPagesHeight + 14);
        pageButtons_[i]->setObjectName(QStringLiteral("g_type%1").arg(i));
        connect(pageButtons_[i], &QAbstractButton::clicked, this, [this, i] { qt::guarded([&] { model_.g_type_Click(i); }); });
        pageButtons_[i]->onMouseUp = [this, i] { qt::guarded([&] { model_.g_type_MouseUp(i); }); };
    }
    status_ = picture(model_.status(), {94, kPagesHeight + 13}, this);
    banner_ = picture(model_.banner(), {222, kPagesHeight + 13}, this);
    status_->setObjectName(QStringLiteral("Image2"));
    banner_->setObjectName(QStringLiteral("Image1"));
    auto* command1 = new QPushButton(QStringLiteral("設定"), this);
    command1->setGeometry(268, kPagesHeight + 14, 56, 24);
    command1->setFocusPolicy(Qt::NoFocus);
    command1->setObjectName(QStringLiteral("Command1"));
    connect(command1, &QPushButton::clicked, this, [this] { qt::guarded([&] { model_.Command1_Click(); }); });
    close_ = new PictureButton(book_, {PicTable::AnalyzerClose, 0}, this);
    close_->move(346, kPagesHeight + 14);
    close_->setObjectName(QStringLiteral("CB2"));
    close_->setToolTip(QStringLiteral("閉じる"));
    connect(close_, &QAbstractButton::clicked, this, [this] { qt::guarded([&] { model_.CB2_Click(); }); });
    close_->onMouseUp = [this] { qt::guarded([&] { model_.CB2_MouseUp(); }); };
    // CB3 only takes the keyboard focus, so that no other control shows it.
    cb3_ = new QWidget(this);
    cb3_->setGeometry(0, 0, 1, 1);
    cb3_->setFocusPolicy(Qt::StrongFocus);
    cb3_->installEventFilter(this);
    panel_ = new SettingsPanel(model_, this);
    panel_->setGeometry(0, AnalyzerWindow::kClientSize.height, AnalyzerWindow::kClientSize.width,
                        AnalyzerWindow::kPanelHeight);
    setFocusProxy(cb3_);
}

void AnalyzerView::sync(Part part) {
    if (part == Part::Score || part == Part::PressList || part == Part::Table) syncSoon(part);
    else syncNow(part);
}

void AnalyzerView::syncSoon(Part part) {
    pending_.insert(part);
    if (!soon_.isActive()) soon_.start(16);
}

void AnalyzerView::syncNow(Part part) {
    switch (part) {
        case Part::Window: syncWindow(); break;
        case Part::Pages: syncPages(); break;
        case Part::Status: status_->setPixmap(book_.pixmap(model_.status())); break;
        case Part::Banner: banner_->setPixmap(book_.pixmap(model_.banner())); break;
        case Part::Scales: syncScales(); break;
        case Part::Table: figures_->refresh(model_.table); break;
        case Part::PressList: panel_->refreshPressList(); break;
        case Part::TimeLists:
            // Thousands of lines take a while to fill: only while the panel shows them.
            timeListsStale_ = !model_.panelOpen();
            if (!timeListsStale_) panel_->refreshTimeLists();
            break;
        case Part::Options: panel_->refreshOptions(); break;
        case Part::Score: syncScore(); break;
        case Part::Focus:
            if (model_.focusOnCB3()) cb3_->setFocus();
            break;
    }
}

void AnalyzerView::syncWindow() {
    const Size s = model_.clientSize();
    setFixedSize(s.width, s.height);
    if (model_.panelOpen() && timeListsStale_) syncNow(Part::TimeLists);
    if (!model_.visible()) {
        hide();
        return;
    }
    if (!placed_) {
        // The first time beside the device; afterwards wherever the user left it.
        move(model_.position().x, model_.position().y);
        placed_ = true;
    }
    show();
}

void AnalyzerView::syncPages() {
    for (int i = 0; i < 3; ++i) {
        pages_[i]->setVisible(model_.pageIndex() == i + 1);
        PictureId pic = model_.pageButton(i);
        if (!model_.pageButtonsEnabled())
            pic.index = static_cast<std::int8_t>(i + pics::kPageDisabled);
        pageButtons_[i]->setPicture(pic);
        pageButtons_[i]->setEnabled(model_.pageButtonsEnabled());
    }
    if (hscll1_->value() != model_.chartScroll()) hscll1_->setValue(model_.chartScroll());
    canvases_[2]->setOffset(model_.chartScroll());
}

void AnalyzerView::syncScales() {
    for (int r = 0; r < 3; ++r) scales_[r]->setVisible(model_.scaleShown(r + 1));
    legendLine_->setVisible(model_.lineLegendShown());
    legendBar_->setVisible(model_.barLegendShown());
}

void AnalyzerView::syncScore() {
    score_->setVisible(model_.scoreShown());
    score_->setText(QStringLiteral("今回 %1  最高 %2").arg(model_.scoreTotal()).arg(model_.scoreBest()));
}

bool AnalyzerView::eventFilter(QObject* watched, QEvent* e) {
    if (watched == canvases_[0] && e->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(e);
        const int button = me->button() == Qt::RightButton ? kRightButton : me->button() == Qt::LeftButton ? kLeftButton : 0;
        if (model_.Picture1_MouseUp(button)) {
            const QString chosen = execMenu(this, model_.PM2, me->globalPosition().toPoint());
            if (!chosen.isEmpty()) qt::guarded([&] { model_.PM2.choose(chosen.toStdString()); });
        }
        return true;
    }
    if (watched == cb3_ && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        if (forwardKey) forwardKey(*static_cast<QKeyEvent*>(e), e->type() == QEvent::KeyPress);
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void AnalyzerView::keyPressEvent(QKeyEvent* e) {
    if (forwardKey) forwardKey(*e, true);
}

void AnalyzerView::keyReleaseEvent(QKeyEvent* e) {
    if (forwardKey) forwardKey(*e, false);
}

bool AnalyzerView::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) qt::guarded([&] { model_.Form_Activate(); });
    return QWidget::event(e);
}

void AnalyzerView::closeEvent(QCloseEvent* e) {
    // Closed from the title bar like the close button: hidden, not destroyed.
    e->ignore();
    qt::guarded([&] { model_.CB2_Click(); });
}

}  // namespace tap::ui
