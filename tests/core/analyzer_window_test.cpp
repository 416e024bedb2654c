// The analyzer window's own rules: the press list and its scrolling, the figures table, the options and
// their menu, the timing chart's printed times.
#include <gtest/gtest.h>

#include "core/analyzer/graph_geometry.h"
#include "core/analyzer/time_text.h"
#include "tests/support/analyzer_scene.h"

namespace tap::sim {
namespace {

std::vector<std::string> lines(const AnalyzerScene& sc) {
    const auto& l = sc.dev.analyzerWindow.list.lines();
    return {l.begin(), l.end()};
}

TEST(PressList, LinesPutBTimesLeftAndATimesRight) {
    EXPECT_EQ(PressList::line(3, PressKind::B, Millis::fromMs(250)), "  3   250 ---- ");
    EXPECT_EQ(PressList::line(4, PressKind::A, Millis::fromMsDouble(260.5)), "  4   ---- 260.5");
    EXPECT_EQ(millisText(Millis::fromUnits(12345678)), "1234.5678");
    EXPECT_EQ(secondsText(Millis::fromMs(10000)), "10");
    EXPECT_EQ(secondsText(Millis::fromMs(250)), "0.25");
}

TEST(PressList, KeepsTheLastTenAndScrollsBackOverTheRun) {
    AnalyzerScene sc;
    sc.startButton();
    for (int i = 0; i < 12; ++i) sc.pressAt(100 + 50 * i, i % 2 ? VK_C : VK_V, 5);
    std::vector<std::string> afterEleven;
    int maxAfterEleven = -1;
    sc.sim.at(100 + 50 * 10 + 1, [&] {
        afterEleven = lines(sc);
        maxAfterEleven = sc.window().list.scrollMax();
    });
    int scrolledDuringRun = -1;
    sc.sim.at(2000, [&] {
        sc.window().vsb1_Change(0);  // not while the run measures
        scrolledDuringRun = lines(sc).front() == "  3   ---- 100" ? 1 : 0;
    });
    sc.sim.runUntil(10400);
    ASSERT_EQ(afterEleven.size(), 10u);
    EXPECT_EQ(afterEleven.front(), "  2   50 ---- ");  // press 1 has left the list
    EXPECT_EQ(afterEleven.back(), "  11   ---- 500");
    EXPECT_EQ(maxAfterEleven, 1);
    EXPECT_EQ(scrolledDuringRun, 1);
    EXPECT_EQ(sc.window().list.scrollMax(), 2);
    sc.window().vsb1_Change(1);  // up by one
    EXPECT_EQ(lines(sc).front(), "  2   50 ---- ");
    sc.window().vsb1_Change(0);  // up to the top: presses 1 .. 10
    EXPECT_EQ(lines(sc).front(), "  1   ---- 0");
    EXPECT_EQ(lines(sc).back(), "  10   450 ---- ");
    sc.window().vsb1_Change(2);  // and down to the end again
    EXPECT_EQ(lines(sc).back(), "  12   550 ---- ");
    EXPECT_EQ(lines(sc).size(), 10u);
}

TEST(FiguresTable, ShowsEachSecondAgainstThePreviousRun) {
    AnalyzerScene sc;
    EXPECT_EQ(sc.window().table.text(FiguresTable::prev_ab, 0), "0");
    sc.run({6, 4, 2});
    sc.startButton();
    const auto& t = sc.window().table;
    EXPECT_EQ(t.text(FiguresTable::prev_ab, 0), "6");
    EXPECT_EQ(t.text(FiguresTable::prev_b, 0), "3");
    EXPECT_EQ(t.text(FiguresTable::prev_ab, FiguresTable::kTotalRow), "12");
    EXPECT_EQ(t.text(FiguresTable::latest_ab, 0), "");
    EXPECT_EQ(t.text(FiguresTable::diff_ab, FiguresTable::kTotalRow), "");
    std::string rowOneMidRun;
    const double t0 = sc.sim.elapsedMs() + 50;
    for (int i = 0; i < 8; ++i) sc.pressAt(t0 + 100 * i, i % 2 ? VK_C : VK_V);  // 8 in the first second
    sc.pressAt(t0 + 1500, VK_V);                                              // 1 in the second
    sc.sim.at(t0 + 1700, [&] { rowOneMidRun = t.text(FiguresTable::latest_ab, 0); });
    sc.sim.runUntil(t0 + 10300);
    EXPECT_EQ(rowOneMidRun, "8");
    EXPECT_EQ(t.text(FiguresTable::diff_ab, 0), "2");
    EXPECT_EQ(t.text(FiguresTable::latest_ab, 1), "1");
    EXPECT_EQ(t.text(FiguresTable::diff_ab, 1), "-3");  // a weaker second
    EXPECT_EQ(t.text(FiguresTable::diff_ab, 2), "-2");
    EXPECT_EQ(t.text(FiguresTable::latest_a, FiguresTable::kTotalRow), "5");
    EXPECT_EQ(t.text(FiguresTable::diff_ab, FiguresTable::kTotalRow), "-3");
    EXPECT_EQ(FiguresTable::cellRect(FiguresTable::diff_ab, 10), (Rect{307, 181, 332, 190}));
}

TEST(AnalyzerOptions, MenuAndPanelChooseTheSameOptions) {
    AnalyzerScene sc;
    auto& w = sc.window();
    w.PM2.choose("GRAPH2");
    w.PM2.choose("VDATA2");
    w.PM2.choose("DATA_AVE");
    w.PM2.choose("RANGE_60");
    w.PM2.choose("LINE_HIDE");
    w.PM2.choose("VU_LR_BOTH");
    w.PM2.choose("INIT_SETUP");
    EXPECT_EQ(w.options.graphType, 1);  // kept
    EXPECT_EQ(w.options.valueMode, 1);  // kept
    EXPECT_EQ(w.options.dataKind, 0);
    EXPECT_EQ(w.options.rangeIndex, 1);
    EXPECT_TRUE(w.options.lineShown);
    EXPECT_FALSE(w.options.vuBoth);
    EXPECT_TRUE(w.PM2.checked("GRAPH2"));
    EXPECT_TRUE(w.PM2.checked("RANGE_30"));
    EXPECT_FALSE(w.PM2.checked("RANGE_60"));
    EXPECT_TRUE(w.PM2.checked("VU_LR_EACH"));
    w.Option2_Click(3);  // the panel ticks the menu too
    EXPECT_TRUE(w.PM2.checked("RANGE_90"));
    w.PM2.choose("SCORE2");
    EXPECT_FALSE(w.scoreShown());
    EXPECT_EQ(w.option5(), 1);
}

TEST(AnalyzerOptions, NoMenuAndNoOptionsWhileARunMeasures) {
    AnalyzerScene sc;
    sc.startButton();
    sc.pressAt(100, VK_V);
    bool menu = true, options = true;
    sc.sim.at(300, [&] {
        menu = sc.window().Picture1_MouseUp(kRightButton);
        options = sc.window().optionsEnabled();
    });
    sc.sim.runUntil(10300);
    EXPECT_FALSE(menu);
    EXPECT_FALSE(options);
    EXPECT_TRUE(sc.window().Picture1_MouseUp(kRightButton));
    EXPECT_FALSE(sc.window().Picture1_MouseUp(kLeftButton));
}

TEST(AnalyzerWindow, AfterARunTheChartListsAndScoreAreFilled) {
    AnalyzerScene sc;
    sc.dev.s.bestRecord = 3;
    sc.startButton();
    sc.pressAt(100, VK_C, 40);  // B 0 .. 40
    sc.pressAt(300, VK_V, 60);  // A 200 .. 260
    sc.sim.at(9000, [&] { sc.keyDown(VK_C); });  // B held through the end
    sc.sim.runUntil(10300);
    const auto& w = sc.window();
    EXPECT_EQ(w.list2, (std::vector<std::string>{"1  200  260"}));
    EXPECT_EQ(w.list3, (std::vector<std::string>{"1  0  40", "2  8900  10000"}));
    EXPECT_EQ(w.scoreTotal(), 3);
    EXPECT_EQ(w.scoreBest(), 3);
    // The timing chart: B down at y 38 from 30 to 50, up at 68 until the next press at 4480, ...
    EXPECT_EQ(sc.pixel(CanvasPicture::pb1, 40, 38), graph::kLatest);
    EXPECT_EQ(sc.pixel(CanvasPicture::pb1, 40, 68), SimCanvas::kBackground);
    EXPECT_EQ(sc.pixel(CanvasPicture::pb1, 1000, 68), graph::kLatest);
    EXPECT_EQ(sc.pixel(CanvasPicture::pb1, 5030, 50), graph::kLatest);  // released by the run's end
    EXPECT_EQ(sc.pixel(CanvasPicture::pb1, 140, 89), graph::kLatest);  // A down from 130 to 160
    EXPECT_EQ(sc.pixel(CanvasPicture::pb1, 5030, 119), graph::kLatest);  // A up to the end
    sc.window().Command2_Click();
    const auto texts = sc.canvas().texts(CanvasPicture::pb1);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "0.2@123,80"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "10@5023,69"), texts.end());
}

TEST(AnalyzerWindow, OpensBesideTheDeviceAndClosesToBeShownAgain) {
    AnalyzerScene sc(false);
    sc.sim.windowPos = {100, 50};
    sc.open();
    EXPECT_EQ(sc.window().position(), (Point{100 + 427 + 8, 50}));
    sc.window().Command1_Click();
    EXPECT_EQ(sc.window().clientSize().height, 281 + AnalyzerWindow::kPanelHeight);
    sc.window().g_type_Click(2);
    sc.window().CB2_Click();
    EXPECT_TRUE(sc.window().focusOnCB3());
    sc.open();  // shown again as it was left: page, panel and options
    EXPECT_EQ(sc.window().pageIndex(), 3);
    EXPECT_TRUE(sc.window().panelOpen());
    EXPECT_EQ(sc.window().pageButton(2).index, 2);
    EXPECT_EQ(sc.window().pageButton(0).index, pics::kPageNotChosen);
    AnalyzerScene right(false);
    right.sim.windowPos = {700, 50};
    right.open();
    EXPECT_EQ(right.window().position().x, 700 - 380 - 8);  // no room on the right
    AnalyzerScene narrow(false);
    narrow.sim.windowPos = {290, 255};  // about centred on 1024 × 768: no room on either side
    narrow.open();
    EXPECT_EQ(narrow.window().position(), (Point{1024 - 380, 255}));
}

}  // namespace
}  // namespace tap::sim
