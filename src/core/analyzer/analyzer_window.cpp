#include "core/analyzer/analyzer_window.h"

#include <algorithm>

#include "core/analyzer/time_text.h"
#include "core/device/device.h"

namespace tap {

namespace {
constexpr int kGap = 8;  // between the device and the analyzer beside it

PictureId pageButtonPicture(int i, bool chosen) {
    return {PicTable::AnalyzerPage, static_cast<std::int8_t>(i + (chosen ? 0 : pics::kPageNotChosen))};
}
}  // namespace

AnalyzerWindow::AnalyzerWindow(Device& d) : PM2(buildAnalyzerMenu(d)), d_(d) {
    for (int i = 0; i < pics::kPageButtons; ++i) pageButtons_[i] = pageButtonPicture(i, i == 0);
}

void AnalyzerWindow::changed(Part part) {
    if (onChange) onChange(part);
}

bool AnalyzerWindow::optionsEnabled() const { return !d_.s.measuring; }
int AnalyzerWindow::scoreTotal() const { return d_.s.countTotal; }
int AnalyzerWindow::scoreBest() const { return d_.s.bestRecord; }

void AnalyzerWindow::show() {
    if (!loaded_) Form_Load();
    visible_ = true;
    changed(Part::Window);
    changed(Part::Score);  // the best record may have changed while the window was closed
}

void AnalyzerWindow::Form_Load() {
    options.graphType = 0;
    options.dataKind = 0;
    options.graphActive = false;
    options.rangeIndex = 1;
    options.valueMode = 0;
    options.lineShown = true;
    d_.s.analyzerLoaded = true;
    pageIndex_ = 1;
    for (int i = 0; i < pics::kPageButtons; ++i) pageButtons_[i] = pageButtonPicture(i, i == 0);
    // Beside the device: on its right, else on its left, else on the side with more room, as far from the
    // device as the screen allows.
    const Point device = d_.p.window.position();
    const Size screen = d_.p.window.screenSize();
    const int faceWidth = d_.s.compactView ? 212 : 427;
    const int right = device.x + faceWidth + kGap, left = device.x - kClientSize.width - kGap;
    const int lastX = std::max(0, screen.width - kClientSize.width);
    int x = right <= lastX ? right : left >= 0 ? left : screen.width - right > device.x ? lastX : 0;
    position_ = {x, std::clamp(device.y, 0, std::max(0, screen.height - kClientSize.height))};
    loaded_ = true;
    ShowRangeScale();
    d_.graphs.DrawSixteenLine();
    changed(Part::Pages);
    changed(Part::Options);
}

void AnalyzerWindow::Form_Activate() { setBanner(0); }

void AnalyzerWindow::setBanner(int index) {
    banner_ = static_cast<std::int8_t>(index);
    changed(Part::Banner);
}

void AnalyzerWindow::Command1_Click() {
    panelOpen_ = !panelOpen_;
    changed(Part::Window);
}

void AnalyzerWindow::choosePage(int i) {
    for (int k = 0; k < pics::kPageButtons; ++k) pageButtons_[k] = pageButtonPicture(k, k == i);
}

void AnalyzerWindow::g_type_Click(int i) {
    if (i < 0 || i >= pics::kPageButtons || !pageButtonsEnabled_) return;
    choosePage(i);
    d_.graphs.RedrawGraph();
    pageIndex_ = i + 1;
    changed(Part::Pages);
}

void AnalyzerWindow::takeFocusToCB3() {
    focusOnCB3_ = true;
    changed(Part::Focus);
}

void AnalyzerWindow::g_type_MouseUp(int /*i*/) {
    if (d_.s.analyzerOn) takeFocusToCB3();
}

void AnalyzerWindow::CB2_MouseUp() {
    if (d_.s.analyzerOn) takeFocusToCB3();
}

void AnalyzerWindow::CB2_Click() {
    d_.s.analyzerOn = false;
    takeFocusToCB3();
    visible_ = false;
    changed(Part::Window);
}

bool AnalyzerWindow::Picture1_MouseUp(int button) const { return button == kRightButton && !d_.s.measuring; }

void AnalyzerWindow::hscll1_Change(int value) {
    hscll1_ = std::clamp(value, 0, kChartScrollMax);
    changed(Part::Pages);
}

void AnalyzerWindow::vsb1_Change(int value) {
    list.vsb1_Change(value, d_.s.measuring, d_.log);
    changed(Part::PressList);
}

void AnalyzerWindow::Option1_Click(int i) {
    options.dataKind = i == 0 ? 0 : 1;
    PM2.checkOnly(i == 0 ? "DATA_SEC" : "DATA_AVE", {"DATA_SEC", "DATA_AVE"});
    d_.graphs.RedrawGraph();
    changed(Part::Options);
}

void AnalyzerWindow::Option2_Click(int i) {
    if (i >= 1 && i <= 3) {
        options.rangeIndex = static_cast<std::int16_t>(i);
        static const char* const names[] = {"RANGE_30", "RANGE_60", "RANGE_90"};
        PM2.checkOnly(names[i - 1], {"RANGE_30", "RANGE_60", "RANGE_90"});
    }
    ShowRangeScale();
    d_.graphs.RedrawGraph();
    changed(Part::Options);
}

void AnalyzerWindow::setLegends(bool line, bool bar) {
    legendShown_ = {line, bar};
    changed(Part::Scales);
}

void AnalyzerWindow::Option3_Click(int i) {
    if (i == 0) {
        setLegends(false, false);
        options.valueMode = 0;
    } else {
        // The legend of the graph shown comes up; the other one keeps its visibility.
        setLegends(options.graphType == 1 || legendShown_[0], options.graphType == 0 || legendShown_[1]);
        options.valueMode = 1;
    }
    PM2.checkOnly(i == 0 ? "VDATA1" : "VDATA2", {"VDATA1", "VDATA2"});
    d_.graphs.RedrawGraph();
    changed(Part::Options);
}

void AnalyzerWindow::Option4_Click(int i) {
    options.graphType = static_cast<std::int16_t>(i == 0 ? 0 : 1);
    if (options.valueMode == 1) setLegends(options.graphType == 1, options.graphType == 0);
    PM2.checkOnly(i == 0 ? "GRAPH1" : "GRAPH2", {"GRAPH1", "GRAPH2"});
    d_.graphs.RedrawGraph();
    changed(Part::Options);
}

void AnalyzerWindow::Option5_Click(int i) {
    scoreShown_ = i == 0;
    PM2.checkOnly(scoreShown_ ? "SCORE1" : "SCORE2", {"SCORE1", "SCORE2"});
    changed(Part::Options);
    changed(Part::Score);
}

void AnalyzerWindow::Check1_Click(bool ticked) {
    // The check box and the menu's 16-press line entries do not follow each other.
    check1_ = ticked;
    options.lineShown = ticked;
    d_.graphs.RedrawGraph();
    changed(Part::Options);
}

void AnalyzerWindow::Command2_Click() { d_.graphs.printChartTimes(); }

void AnalyzerWindow::ShowRangeScale() {
    for (int r = 1; r <= 3; ++r) scaleShown_[r - 1] = options.rangeIndex == r;
    changed(Part::Scales);
}

void AnalyzerWindow::setStatus(pics::Status s) {
    status_ = s;
    changed(Part::Status);
}

void AnalyzerWindow::setPageButtonsEnabled(bool enabled) {
    pageButtonsEnabled_ = enabled;
    changed(Part::Pages);
    changed(Part::Options);
}

void AnalyzerWindow::resetPageButtons() {
    if (pageIndex_ != 1) return;
    pageButtons_[0] = pageButtonPicture(0, true);
    pageButtons_[1] = pageButtonPicture(1, false);
    changed(Part::Pages);
}

void AnalyzerWindow::FillTimeLists() {
    const auto& log = d_.log;
    auto fill = [](std::vector<std::string>& list, const PressLog::TimeList& presses,
                   const PressLog::TimeList& releases, int logged) {
        list.clear();
        for (int k = 0; k < logged; ++k)
            list.push_back(std::to_string(k + 1) + "  " + millisText(presses[k]) + "  " + millisText(releases[k]));
    };
    fill(list2, log.pressTimeA, log.releaseTimeA, log.loggedPressesA);
    fill(list3, log.pressTimeB, log.releaseTimeB, log.loggedPressesB);
    changed(Part::TimeLists);
}

}  // namespace tap
