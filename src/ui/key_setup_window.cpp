#include "ui/key_setup_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/qt/virtual_keys.h"
#include "ui/assign_label.h"
#include "ui/controller_picture.h"
#include "platform/qt/entry_guard.h"
#include "ui/pad_tester_view.h"

namespace tap::ui {

namespace {

// The rows sit at the heights where the leader lines leave the picture's left edge, and the labels end
// where the picture begins, so each line runs on from its label.
constexpr int kRowCentre[] = {12, 60, 108, 156};
constexpr int kCaptionWidth = 104;
constexpr int kLabelLeft = 108;
constexpr int kLabelWidth = 128;
constexpr int kRowHeight = 24;
constexpr int kPictureLeft = kLabelLeft + kLabelWidth;
constexpr int kStageHeight = 172;

QString text(const char* s) { return QString::fromUtf8(s); }

}  // namespace

KeySetupWindow::KeySetupWindow(KeySetupDialog& model, QWidget* owner) : QDialog(owner), model_(model) {
    setWindowTitle(text(KeySetupDialog::kCaption));
    setModal(true);

    tabs_ = new QTabBar(this);
    tabs_->addTab(text(KeySetupDialog::kKeyboardTab));
    tabs_->addTab(text(KeySetupDialog::kPadTab));
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { qt::guarded([&] { model_.TabStrip1_Click(index + 1); }); });

    checkKey_ = new QLabel(text(KeySetupDialog::kKeyHint), this);
    checkButton2_ = new QLabel(this);
    tester_ = new PadTesterView(this);

    auto* defaults = new QPushButton(text(KeySetupDialog::kDefaultsButton), this);
    auto* ok = new QPushButton(text(KeySetupDialog::kOkButton), this);
    auto* cancel = new QPushButton(text(KeySetupDialog::kCancelButton), this);
    ok->setDefault(true);
    connect(defaults, &QPushButton::clicked, this, [this] { qt::guarded([&] { model_.Command1_Click(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { qt::guarded([&] { model_.OKButton_Click(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { qt::guarded([&] { model_.CancelButton_Click(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    // The hint and the pad status with its pad list share one place, so the dialog keeps its size
    // when the tab changes.
    notes_ = new QStackedWidget(this);
    checkKey_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->addWidget(checkKey_);
    auto* padNotes = new QWidget(notes_);
    auto* padLayout = new QVBoxLayout(padNotes);
    padLayout->setContentsMargins(0, 0, 0, 0);
    padLayout->addWidget(checkButton2_);
    padLayout->addWidget(tester_);
    padLayout->addStretch();
    notes_->addWidget(padNotes);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buildStage());
    layout->addWidget(notes_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    model_.onChange = [this] { refresh(); };
    model_.onClose = [this] { done(QDialog::Accepted); };
    // Keys are taken where they enter the window, once each, before any button sees them.
    winId();
    windowHandle()->installEventFilter(this);
    refresh();
}

KeySetupWindow::~KeySetupWindow() {
    model_.onChange = nullptr;
    model_.onClose = nullptr;
}

QWidget* KeySetupWindow::buildStage() {
    auto* stage = new QWidget(this);
    stage->setFixedSize(kPictureLeft + 232, kStageHeight);
    frameKey_ = buildRows(stage, keyLabels_, KeySetupDialog::kKeyToolTip, false);
    frameButton_ = buildRows(stage, padLabels_, KeySetupDialog::kPadToolTip, true);
    picture_ = new ControllerPicture(stage);
    picture_->move(kPictureLeft, 0);
    return stage;
}

QWidget* KeySetupWindow::buildRows(QWidget* stage, std::array<AssignLabel*, 4>& labels, const char* toolTip,
                                   bool pad) {
    auto* frame = new QWidget(stage);
    frame->setGeometry(0, 0, kPictureLeft, kStageHeight);
    for (int i = 0; i < 4; ++i) {
        const int top = kRowCentre[i] - kRowHeight / 2;
        auto* caption = new QLabel(text(KeySetupDialog::kRowCaptions[i]), frame);
        caption->setGeometry(0, top, kCaptionWidth, kRowHeight);
        labels[i] = new AssignLabel(text(toolTip), frame);
        labels[i]->setGeometry(kLabelLeft, top, kLabelWidth, kRowHeight);
        const int slot = i + 1;
        connect(labels[i], &AssignLabel::clicked, this,
                [this, slot, pad] {
                    qt::guarded([&] { pad ? model_.padLabelClick(slot) : model_.keyLabelClick(slot); });
                });
    }
    return frame;
}

void KeySetupWindow::refresh() {
    const bool pad = model_.padTabShown();
    {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(pad ? 1 : 0);
    }
    frameKey_->setVisible(!pad);
    frameButton_->setVisible(pad);
    notes_->setCurrentIndex(pad ? 1 : 0);
    for (int i = 0; i < 4; ++i) {
        keyLabels_[i]->setLabel(model_.keyLabel(i + 1));
        padLabels_[i]->setLabel(model_.padLabel(i + 1));
    }
    picture_->setLines(model_.picture1());
    checkButton2_->setText(QString::fromStdString(model_.padStatus()));
    tester_->setPads(model_.testedPads());
}

bool KeySetupWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == windowHandle() && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease))
        return keyEvent(static_cast<QKeyEvent*>(e));
    return QDialog::eventFilter(watched, e);
}

bool KeySetupWindow::keyEvent(QKeyEvent* e) {
    // While a key label waits, every key belongs to the capture, not to the focused button or tab.
    const bool capturing = model_.capturingKey();
    if (e->type() == QEvent::KeyRelease) {
        if (!e->isAutoRepeat()) qt::guarded([&] { model_.Form_KeyUp(qt::virtualKeyOf(*e)); });
        return capturing;
    }
    if (capturing && e->key() == Qt::Key_Escape) {
        qt::guarded([&] { model_.keyLabelClick(model_.waitingKeySlot); });  // gives up waiting
        return true;
    }
    qt::guarded([&] { model_.Form_KeyDown(qt::virtualKeyOf(*e)); });
    return capturing;
}

void KeySetupWindow::reject() {
    qt::guarded([&] { model_.CancelButton_Click(); });
}

}  // namespace tap::ui
