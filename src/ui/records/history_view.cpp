#include "ui/records/history_view.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/analyzer/text_lines.h"
#include "platform/qt/entry_guard.h"
#include "ui/instrument_palette.h"

namespace tap::ui {

namespace {
using Part = HistoryWindow::Part;

// Below the device where the screen has room (the analyzer opens on its right), else on its right, else
// wherever it fits best.
QPoint besideDevice(const QRect& device, QSize size, const QRect& screen) {
    constexpr int kGap = 8;
    QPoint at(device.left(), device.bottom() + kGap);
    if (at.y() + size.height() > screen.bottom()) at = QPoint(device.right() + kGap, device.top());
    const int x = std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() - size.width()));
    const int y = std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() - size.height()));
    return {x, y};
}

bool movesInTable(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}
}  // namespace

HistoryView::HistoryView(Device& device, QWidget* owner) : QWidget(owner, Qt::Tool), model_(device.history) {
    setWindowTitle(QString::fromUtf8(HistoryWindow::kCaption));
    setObjectName(QStringLiteral("history"));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // The analyzer's instrument panel, with rows that take turns and a chosen row in a deeper green.
    QPalette pal = instrumentPalette(*this);
    pal.setColor(QPalette::Text, QColor(0, 230, 0));
    pal.setColor(QPalette::AlternateBase, QColor(10, 24, 12));
    pal.setColor(QPalette::Highlight, QColor(0, 110, 40));
    pal.setColor(QPalette::HighlightedText, QColor(235, 255, 235));
    setPalette(pal);

    chart_ = new HistoryChart(HistoryWindow::kChartRuns, this);
    chart_->setObjectName(QStringLiteral("chart"));
    runsModel_ = new TextTableModel(
        {[this] { return model_.rowCount(); }, HistoryWindow::kColumns,
         [this](int r, int c) { return model_.cell(r, static_cast<HistoryWindow::Column>(c)); },
         [](int c) { return HistoryWindow::columnTitle(static_cast<HistoryWindow::Column>(c)); },
         [](int c) { return c != HistoryWindow::Date && c != HistoryWindow::Sources; }},
        this);
    daysModel_ = new TextTableModel(
        {[this] { return model_.dayCount(); }, HistoryWindow::kDayColumns,
         [this](int r, int c) { return model_.dayCell(r, static_cast<HistoryWindow::DayColumn>(c)); },
         [](int c) { return HistoryWindow::dayColumnTitle(static_cast<HistoryWindow::DayColumn>(c)); },
         [](int c) { return c != HistoryWindow::Day; }},
        this);
    runs_ = table(runsModel_, {168, 48, 44, 44, 70, 70, 150});
    runs_->setObjectName(QStringLiteral("runs"));
    days_ = table(daysModel_, {92, 48, 44});
    days_->setObjectName(QStringLiteral("days"));
    days_->setSelectionMode(QAbstractItemView::NoSelection);
    days_->setFocusPolicy(Qt::NoFocus);
    days_->setFixedWidth(200);
    connect(runs_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                if (!syncing_)
                    qt::guarded([&] {
                        model_.select(now.isValid() ? std::optional<int>(now.row()) : std::nullopt);
                    });
            });
    runs_->installEventFilter(this);

    auto* top = new QHBoxLayout;
    top->addWidget(chart_, 1);
    top->addWidget(days_);
    auto* buttons = new QHBoxLayout;
    runButtons_ = {addButton("比較", "compare", &HistoryWindow::compareClick),
                   addButton("書き出し...", "export", &HistoryWindow::exportClick),
                   addButton("削除", "delete", &HistoryWindow::deleteClick)};
    for (auto* b : runButtons_) buttons->addWidget(b);
    buttons->addStretch(1);
    import_ = addButton("読み込み...", "import", &HistoryWindow::importClick);
    buttons->addWidget(import_);
    buttons->addWidget(addButton("閉じる", "close", &HistoryWindow::close));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->addLayout(top);
    layout->addWidget(runs_, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    resize(800, 520);

    model_.onChange = [this](Part part) { sync(part); };
    for (Part p : {Part::Runs, Part::Selection, Part::Actions}) sync(p);
}

QTableView* HistoryView::table(TextTableModel* model, const std::vector<int>& widths) {
    auto* t = new QTableView(this);
    t->setModel(model);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setAlternatingRowColors(true);
    t->setShowGrid(false);
    t->setWordWrap(false);
    t->setFont(figureFont(12));
    // Fixed sizes: a table of thousands of rows must not measure each one.
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(18);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    t->horizontalHeader()->setStretchLastSection(true);
    for (std::size_t c = 0; c < widths.size(); ++c) t->setColumnWidth(static_cast<int>(c), widths[c]);
    return t;
}

QPushButton* HistoryView::addButton(const char* caption, const char* name, void (HistoryWindow::*handler)()) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    // Keys stay with the table and the device; a focused button would take the space bar.
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, handler] { qt::guarded([&] { (model_.*handler)(); }); });
    return b;
}

QPushButton* HistoryView::button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

void HistoryView::sync(Part part) {
    switch (part) {
        case Part::Window:
            if (!model_.visible()) {
                hide();
                return;
            }
            if (!placed_) {
                // The first time by the device; afterwards wherever the user left it.
                const QScreen* screen =
                    parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
                // Before the first show the frame is not known yet: room is left for a title bar and borders.
                if (screen && parentWidget())
                    move(besideDevice(parentWidget()->frameGeometry(), size() + QSize(12, 40),
                                      screen->availableGeometry()));
                placed_ = true;
            }
            show();
            raise();
            activateWindow();
            runs_->setFocus();
            break;
        case Part::Runs:
            syncRuns();
            break;
        case Part::Selection:
            syncSelection();
            break;
        case Part::Actions:
            syncActions();
            break;
    }
}

void HistoryView::syncRuns() {
    syncing_ = true;
    runsModel_->reload();
    daysModel_->reload();
    syncing_ = false;
    chart_->setPoints(model_.chart(), model_.chartTop());
    status_->setText(QString::fromStdString(model_.statusText()));
}

void HistoryView::syncSelection() {
    syncing_ = true;
    const auto row = model_.selectedRow();
    if (row) {
        const QModelIndex index = runsModel_->index(*row, 0);
        runs_->selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        runs_->scrollTo(index);
    } else {
        runs_->selectionModel()->clear();
    }
    syncing_ = false;
    syncActions();
}

void HistoryView::syncActions() {
    for (auto* b : runButtons_) b->setEnabled(model_.runActionsEnabled());
    import_->setEnabled(model_.actionsEnabled());
}

bool HistoryView::eventFilter(QObject* watched, QEvent* e) {
    if (watched == runs_ && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(e);
        // The table takes the press; its release, which the table leaves, goes nowhere either.
        if (movesInTable(key->key())) return e->type() == QEvent::KeyRelease;
        if (forwardKey) forwardKey(*key, e->type() == QEvent::KeyPress);
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void HistoryView::keyPressEvent(QKeyEvent* e) {
    if (forwardKey) forwardKey(*e, true);
}

void HistoryView::keyReleaseEvent(QKeyEvent* e) {
    if (forwardKey) forwardKey(*e, false);
}

void HistoryView::closeEvent(QCloseEvent* e) {
    // Closed from the title bar like its close button: hidden, not destroyed.
    e->ignore();
    qt::guarded([&] { model_.close(); });
}

}  // namespace tap::ui
