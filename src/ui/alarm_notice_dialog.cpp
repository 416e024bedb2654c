#include "ui/alarm_notice_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/qt/entry_guard.h"

namespace tap::ui {

namespace {

constexpr int kBellSize = 48;

// A bell drawn in place, at the screen's pixel density.
QPixmap bellPicture(qreal dpr) {
    QPixmap pm(QSize(kBellSize, kBellSize) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(230, 180, 40), edge(120, 80, 10);
    p.setPen(QPen(edge, 2));

    QPainterPath body;
    body.moveTo(10, 36);
    body.cubicTo(14, 32, 13, 24, 14, 19);
    body.cubicTo(15, 11, 20, 8, 24, 8);
    body.cubicTo(28, 8, 33, 11, 34, 19);
    body.cubicTo(35, 24, 34, 32, 38, 36);
    body.closeSubpath();
    QLinearGradient shine(10, 0, 38, 0);
    shine.setColorAt(0, gold.lighter(140));
    shine.setColorAt(1, gold.darker(120));
    p.setBrush(shine);
    p.drawPath(body);

    p.setBrush(gold);
    p.drawRoundedRect(QRectF(8, 35, 32, 4), 2, 2);  // rim
    p.drawEllipse(QPointF(24, 42), 3.5, 3.5);        // clapper
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 6), 2.5, 2.5);         // hanger

    // Ringing strokes on both sides.
    p.setPen(QPen(edge, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(2, 14, 8, 16), 110 * 16, 140 * 16);
    p.drawArc(QRectF(38, 14, 8, 16), -70 * 16, 140 * 16);
    return pm;
}

}  // namespace

AlarmNoticeDialog::AlarmNoticeDialog(AlarmNotice& notice, QWidget* owner)
    : QDialog(owner), notice_(notice), message_(new QLabel(this)) {
    setWindowTitle(QString::fromUtf8(AlarmNotice::kCaption));
    setModal(true);

    auto* bell = new QLabel(this);
    bell->setPixmap(bellPicture(devicePixelRatioF()));
    bell->setAlignment(Qt::AlignTop);
    auto* reminder = new QLabel(QString::fromUtf8(AlarmNotice::kReminder), this);

    auto* texts = new QVBoxLayout;
    texts->addWidget(message_);
    texts->addWidget(reminder);
    texts->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(bell);
    row->addSpacing(8);
    row->addLayout(texts);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { qt::guarded([this] { notice_.OKButton_Click(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    notice_.onClose = [this] { accept(); };
}

void AlarmNoticeDialog::showEvent(QShowEvent* e) {
    qt::guarded([this] { notice_.Form_Activate(); });
    message_->setText(QString::fromStdString(notice_.message()));
    centreOnScreen();  // the show event comes before the window appears, so it does not jump
    QDialog::showEvent(e);
}

AlarmNoticeDialog::~AlarmNoticeDialog() { notice_.onClose = nullptr; }

void AlarmNoticeDialog::reject() {
    qt::guarded([this] { notice_.OKButton_Click(); });
}

void AlarmNoticeDialog::centreOnScreen() {
    adjustSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

}  // namespace tap::ui
