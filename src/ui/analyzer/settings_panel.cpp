#include "ui/analyzer/settings_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/qt/entry_guard.h"

namespace tap::ui {

namespace {
constexpr int kListsTop = 90, kListsHeight = 106;

QListWidget* timeList(QWidget* parent, QRect where) {
    auto* l = new QListWidget(parent);
    l->setGeometry(where);
    l->setFont(figureFont(9));
    l->setFocusPolicy(Qt::NoFocus);
    l->setUniformItemSizes(true);
    return l;
}

void checkIn(QButtonGroup* g, int id) {
    if (auto* b = g->button(id); b && !b->isChecked()) {
        const QSignalBlocker block(g);
        b->setChecked(true);
    }
}
}  // namespace

QButtonGroup* SettingsPanel::group(const char* title, QRect where,
                                   std::initializer_list<std::pair<int, const char*>> choices,
                                   void (AnalyzerWindow::*handler)(int)) {
    auto* box = new QGroupBox(QString::fromUtf8(title), this);
    box->setGeometry(where);
    optionBoxes_.push_back(box);
    auto* g = new QButtonGroup(box);
    int y = 13;
    for (const auto& [id, caption] : choices) {
        auto* b = new QRadioButton(QString::fromUtf8(caption), box);
        b->setGeometry(4, y, where.width() - 6, 14);
        b->setFocusPolicy(Qt::NoFocus);
        g->addButton(b, id);
        y += 14;
    }
    connect(g, &QButtonGroup::idClicked, this, [this, handler](int id) { qt::guarded([&] { (model_.*handler)(id); }); });
    return g;
}

SettingsPanel::SettingsPanel(AnalyzerWindow& model, QWidget* parent) : QWidget(parent), model_(model) {
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);
    option1_ = group("データ", {6, 2, 80, 58}, {{0, "秒間連射数"}, {1, "平均連射数"}}, &AnalyzerWindow::Option1_Click);
    option2_ = group("レンジ", {88, 2, 54, 58}, {{1, "30"}, {2, "60"}, {3, "90"}}, &AnalyzerWindow::Option2_Click);
    option3_ = group("データ", {144, 2, 72, 58}, {{0, "AB合計"}, {1, "AB個別"}}, &AnalyzerWindow::Option3_Click);
    option4_ = group("グラフの種類", {218, 2, 78, 58}, {{0, "棒グラフ"}, {1, "線グラフ"}}, &AnalyzerWindow::Option4_Click);
    option5_ = group("スコア", {298, 2, 76, 58}, {{0, "表示する"}, {1, "表示しない"}}, &AnalyzerWindow::Option5_Click);

    optionBoxes_.pop_back();  // showing or hiding the score does not disturb a run
    check1_ = new QCheckBox(QStringLiteral("16連射ラインを表示する"), this);
    check1_->setGeometry(8, 64, 200, 20);
    check1_->setFocusPolicy(Qt::NoFocus);
    check1_->setObjectName(QStringLiteral("Check1"));
    connect(check1_, &QCheckBox::clicked, this, [this](bool on) { qt::guarded([&] { model_.Check1_Click(on); }); });
    command2_ = new QPushButton(QStringLiteral("Command2"), this);
    command2_->setGeometry(294, 63, 80, 22);
    command2_->setFocusPolicy(Qt::NoFocus);
    connect(command2_, &QPushButton::clicked, this, [this] { qt::guarded([&] { model_.Command2_Click(); }); });

    list1_ = new TextLines(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(6, kListsTop, 136, kListsHeight);
    vsb1_ = new QScrollBar(Qt::Vertical, this);
    vsb1_->setGeometry(142, kListsTop, 14, kListsHeight);
    vsb1_->setFocusPolicy(Qt::NoFocus);
    vsb1_->setObjectName(QStringLiteral("vsb1"));
    connect(vsb1_, &QScrollBar::valueChanged, this, [this](int v) { qt::guarded([&] { model_.vsb1_Change(v); }); });
    auto* a = new QLabel(QStringLiteral("A"), this);
    a->setGeometry(162, kListsTop, 10, 14);
    list2_ = timeList(this, {172, kListsTop, 98, kListsHeight});
    list2_->setObjectName(QStringLiteral("List2"));
    auto* b = new QLabel(QStringLiteral("B"), this);
    b->setGeometry(274, kListsTop, 10, 14);
    list3_ = timeList(this, {284, kListsTop, 90, kListsHeight});
    list3_->setObjectName(QStringLiteral("List3"));
}

void SettingsPanel::refreshOptions() {
    const auto& o = model_.options;
    checkIn(option1_, o.dataKind);
    checkIn(option2_, o.rangeIndex);
    checkIn(option3_, o.valueMode);
    checkIn(option4_, o.graphType);
    checkIn(option5_, model_.option5());
    check1_->setChecked(model_.check1());
    const bool on = model_.optionsEnabled();
    for (QWidget* w : optionBoxes_) w->setEnabled(on);
    check1_->setEnabled(on);
}

void SettingsPanel::refreshPressList() {
    QStringList lines;
    for (const auto& l : model_.list.lines()) lines << QString::fromStdString(l);
    list1_->setLines(lines);
    const QSignalBlocker block(vsb1_);
    vsb1_->setRange(0, model_.list.scrollMax());
    vsb1_->setValue(model_.list.scrollValue());
}

void SettingsPanel::refreshTimeLists() {
    auto fill = [](QListWidget* w, const std::vector<std::string>& lines) {
        w->clear();
        for (const auto& l : lines) w->addItem(QString::fromStdString(l));
    };
    fill(list2_, model_.list2);
    fill(list3_, model_.list3);
}

}  // namespace tap::ui
