// What the analyzer draws, read back from the pictures' pixels and drawing calls.
#include <gtest/gtest.h>

#include "core/analyzer/graph_geometry.h"
#include "tests/support/analyzer_scene.h"

namespace tap::sim {
namespace {

constexpr auto P1 = CanvasPicture::Picture1;
constexpr auto P2 = CanvasPicture::Picture2;
constexpr auto PB = CanvasPicture::pb1;
constexpr Rgb kGreen = graph::kLatest, kDark = graph::kPrevious, kBlack = graph::kBlack, kCyan = graph::kSixteen;
constexpr Rgb kNone = SimCanvas::kBackground;

// Highest row of a column that shows `c`, or -1.
int topOf(const AnalyzerScene& sc, int x, Rgb c) {
    for (int y = 0; y < 175; ++y)
        if (sc.pixel(P1, x, y) == c) return y;
    return -1;
}

TEST(AnalyzerGraphs, BarsRiseFourPixelsAPressOverTheRange) {
    AnalyzerScene sc;
    sc.run({30, 31, 9, 10, 20});
    const int x1 = graph::columnX(1), x2 = graph::columnX(2);
    EXPECT_EQ(topOf(sc, x1, kGreen), 16);  // 30 presses fill range 30
    EXPECT_EQ(topOf(sc, x2, kGreen), 12);  // 31 go past it
    EXPECT_EQ(sc.pixel(P1, graph::summedBar(1).left - 1, 100), kNone);
    // The counts above the columns stand by their number of digits.
    const auto texts = sc.canvas().texts(P1);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "9@" + std::to_string(30 * 3 + 6) + ",85"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "10@" + std::to_string(30 * 4 + 1) + ",81"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "20@" + std::to_string(30 * 5 + 3) + ",41"), texts.end());
    // Range 90 draws the same second a third as high, behind the scale of 90.
    sc.window().PM2.choose("RANGE_90");
    EXPECT_EQ(topOf(sc, x1, kGreen), 96);
    EXPECT_TRUE(sc.window().scaleShown(3));
    EXPECT_FALSE(sc.window().scaleShown(1));
}

TEST(AnalyzerGraphs, TheSixteenLineFollowsTheRangeUnlessItIsHidden) {
    AnalyzerScene sc;
    EXPECT_EQ(sc.pixel(P1, 100, 72), kCyan);  // drawn when the window loads
    sc.window().PM2.choose("RANGE_60");
    EXPECT_EQ(sc.pixel(P1, 31, 104), kCyan);
    EXPECT_EQ(sc.pixel(P1, 331, 104), kCyan);
    EXPECT_EQ(sc.pixel(P1, 100, 72), kNone);
    sc.window().PM2.choose("LINE_HIDE");
    sc.window().PM2.choose("RANGE_90");
    for (int y = 0; y < 175; ++y) ASSERT_NE(sc.pixel(P1, 100, y), kCyan) << y;
    sc.window().Check1_Click(true);
    EXPECT_EQ(sc.pixel(P1, 100, 115), kCyan);
    EXPECT_TRUE(sc.window().PM2.checked("LINE_HIDE"));  // the check box leaves the menu alone
}

TEST(AnalyzerGraphs, TheSeparateBarViewShowsBFilledAndAOutlined) {
    AnalyzerScene sc;
    sc.window().Option3_Click(1);
    EXPECT_TRUE(sc.window().barLegendShown());
    EXPECT_FALSE(sc.window().lineLegendShown());
    sc.run({20});  // 10 A, 10 B: both bars end at y = 96
    const auto b = graph::separateBarB(1), a = graph::separateBarA(1);
    EXPECT_EQ(sc.pixel(P1, b.left + 2, 110), kGreen);
    EXPECT_EQ(sc.pixel(P1, a.left, 110), kGreen);
    EXPECT_EQ(sc.pixel(P1, a.left + 2, 110), kBlack);
    EXPECT_EQ(topOf(sc, a.left, kGreen), 96);
    EXPECT_EQ(sc.pixel(P1, graph::summedBar(1).left + 3, 90), kNone);  // nothing between them above
}

TEST(AnalyzerGraphs, TheNextRunIsDrawnInFrontOfThePreviousOne) {
    AnalyzerScene sc;
    sc.run({20, 10});
    sc.startButton();  // readying draws the previous run in the darker green
    const int x = graph::columnX(1);
    EXPECT_EQ(topOf(sc, x, kDark), 56);
    EXPECT_EQ(sc.pixel(P1, 200, graph::kBaseline), kGreen);  // the baseline over the previous bars
    sc.pressAt(sc.sim.elapsedMs() + 50, VK_V);
    for (int i = 1; i < 12; ++i) sc.pressAt(sc.sim.elapsedMs() + 50 + 80 * i, i % 2 ? VK_C : VK_V);
    sc.sim.runFor(10400);
    EXPECT_EQ(topOf(sc, x, kDark), 56);   // the stronger previous second stands out above
    EXPECT_EQ(topOf(sc, x, kGreen), 88);  // 12 presses
    // Switching to the line graph redraws both runs: previous dark, latest bright.
    sc.window().PM2.choose("GRAPH2");
    EXPECT_EQ(sc.pixel(P1, x, 56), kDark);
    EXPECT_EQ(sc.pixel(P1, x, 88), kGreen);
    EXPECT_EQ(sc.pixel(P1, x - 3, 88), kNone);  // the point's box spans two pixels each way
}

TEST(AnalyzerGraphs, TheLineGraphDrawsBDottedAndAWithBlackBoxes) {
    AnalyzerScene sc;
    sc.window().Option4_Click(1);
    sc.window().Option3_Click(1);
    EXPECT_TRUE(sc.window().lineLegendShown());
    sc.run({4, 8});
    std::vector<CanvasCall> lines = sc.canvas().of(P1, CanvasCall::Line);
    const auto dotted = std::count_if(lines.begin(), lines.end(), [](auto& c) { return c.style == LineStyle::Dotted; });
    EXPECT_GE(dotted, 1);
    const int x = graph::columnX(2);
    EXPECT_EQ(sc.pixel(P1, x - 1, graph::valueY(4, 1) - 1), kBlack);  // A: 4 presses, a black box
    EXPECT_EQ(sc.pixel(P1, x, graph::valueY(4, 1) - 2), kGreen);
}

TEST(AnalyzerGraphs, TheProgressBarGrowsWithTheRunAndIsFullAfterIt) {
    AnalyzerScene sc;
    sc.startButton();
    sc.pressAt(100, VK_V);
    int halfway = 0;
    sc.sim.at(5101, [&] {  // just after the pass 5 000 ms into the run
        for (int x = 32; x < 350; ++x)
            if (sc.pixel(P1, x, 165) == kGreen) halfway = x;
    });
    sc.sim.runUntil(10400);
    EXPECT_EQ(halfway, 181);  // 32 + 0.0297 × 5000 ms
    for (int y : {164, 165, 166}) EXPECT_EQ(sc.pixel(P1, 329, y), kGreen);
    EXPECT_EQ(sc.pixel(P1, 330, 165), kNone);
}

TEST(AnalyzerGraphs, TheSpeedMeterLightsToItsLevelAndThePeakFallsSlower) {
    AnalyzerScene sc;
    sc.startButton();
    for (int i = 0; i < 30; ++i) sc.pressAt(100 + 30 * i, VK_V, 2);
    // The lower row is A; its bar ends where the first pixel is not lit, its peak marker is lit again after.
    auto litEnd = [&] {
        int x = 10;
        while (x < 350 && sc.pixel(P2, x, 12) == kGreen) ++x;
        return x - 1;
    };
    auto peakAt = [&] {
        for (int x = litEnd() + 1; x < 350; ++x)
            if (sc.pixel(P2, x, 12) == kGreen) return x;
        return -1;
    };
    int topLit = 0, top349 = 0, laterLit = 0, laterPeak = 0;
    Rgb upper;
    sc.sim.at(971, [&] {  // just after the tick that follows the last press
        topLit = litEnd();
        top349 = sc.pixel(P2, 349, 12) == kNone;
        upper = sc.pixel(P2, 20, 5);
    });
    sc.sim.at(1371, [&] {
        laterLit = litEnd();
        laterPeak = peakAt();
    });
    sc.sim.runUntil(10400);
    EXPECT_EQ(topLit, 348);  // level 84 lights up to x = 346, past the unlit track; its peak mark to 348
    EXPECT_TRUE(top349);
    EXPECT_EQ(upper, graph::kUnlit);  // B was never pressed
    EXPECT_EQ(laterLit, graph::vuRight(64) - 1);  // 40 ticks later the level has fallen by 20
    EXPECT_EQ(laterPeak, graph::vuRight(74));     // and its peak by 10
}

}  // namespace
}  // namespace tap::sim
