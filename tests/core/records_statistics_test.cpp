// The figures of a recorded run on built press sequences with known answers.
#include <gtest/gtest.h>

#include <random>

#include "core/records/history_figures.h"
#include "core/records/run_statistics.h"
#include "tests/support/run_builder.h"

namespace tap::sim {
namespace {

TEST(RunStatistics, IntervalsAndUnstableRate) {
    // 21 presses at intervals 90, 110, 90, ...: mean 100, deviation 10, so the unstable rate is 100.
    const auto st = statisticsOf(runAt(alternatingIntervals(21, 90, 110)));
    EXPECT_EQ(st.total, 21);
    EXPECT_EQ(st.countA, 11);
    EXPECT_EQ(st.countB, 10);
    EXPECT_DOUBLE_EQ(*st.intervalMean, 100);
    EXPECT_DOUBLE_EQ(*st.intervalMedian, 100);
    EXPECT_DOUBLE_EQ(*st.intervalShortest, 90);
    EXPECT_NEAR(*st.unstableRate, 100, 1e-9);
    EXPECT_DOUBLE_EQ(*st.holdMeanA, 20);
    EXPECT_EQ(st.perSource[InputSource::keyboard().index()], 21);
    EXPECT_EQ(st.sourceMask(), 1u);

    // An odd number of intervals has a middle one.
    const auto odd = statisticsOf(runAt({0, 10, 40, 100}));
    EXPECT_DOUBLE_EQ(*odd.intervalMedian, 30);
    EXPECT_NEAR(*odd.unstableRate,
                10 * std::sqrt(((10 - 100 / 3.0) * (10 - 100 / 3.0) + (30 - 100 / 3.0) * (30 - 100 / 3.0) +
                                (60 - 100 / 3.0) * (60 - 100 / 3.0)) /
                               3),
                1e-9);
}

TEST(RunStatistics, OnePressHasNoIntervalsAndHeldPressesNoHold) {
    const auto st = statisticsOf(runAt({0}, -1));
    EXPECT_EQ(st.total, 1);
    EXPECT_FALSE(st.intervalMean);
    EXPECT_FALSE(st.unstableRate);
    EXPECT_FALSE(st.holdMeanA);
    EXPECT_EQ(st.fastestWindow, 1);
    EXPECT_FALSE(st.turbo);
    EXPECT_EQ(summaryOf(runAt({0}, -1)).unstableRate, std::nullopt);
}

TEST(RunStatistics, FastestWindowCountsPressesLessThanASecondApart) {
    // Ten a second to begin with, then 15 within 700 ms from 5 000 ms.
    std::vector<double> t;
    for (int i = 0; i < 10; ++i) t.push_back(100.0 * i);
    for (int i = 0; i < 15; ++i) t.push_back(5000 + 50.0 * i);
    const auto st = statisticsOf(runAt(t));
    EXPECT_EQ(st.fastestWindow, 15);
    EXPECT_EQ(st.fastestWindowStart, Millis::fromMs(5000));
    // Presses exactly 1 000 ms apart are not in one window.
    EXPECT_EQ(statisticsOf(runAt({0, 1000, 2000})).fastestWindow, 1);
    EXPECT_EQ(statisticsOf(runAt({0, 999.9999, 2000})).fastestWindow, 2);
}

TEST(RunStatistics, SecondsFollowTheRunsSecondRule) {
    // 1 000 ms is still the first second; 1 000.0001 ms the second.
    const auto st = statisticsOf(runAt({0, 500, 1000, 1000.0001, 9999, 10000}));
    EXPECT_EQ(st.perSecondA[0] + st.perSecondB[0], 3);
    EXPECT_EQ(st.perSecondA[1] + st.perSecondB[1], 1);
    EXPECT_EQ(st.perSecondA[9] + st.perSecondB[9], 2);
    EXPECT_EQ(st.perSecondMin, 0);
    EXPECT_EQ(st.perSecondMax, 3);
    // Totals 3, 1, 0 x 7, 2: mean 0.6, population deviation sqrt(0.94).
    EXPECT_NEAR(st.perSecondSpread, std::sqrt((5.76 + 0.16 + 7 * 0.36 + 1.96) / 10), 1e-9);
}

TEST(RunStatistics, TurboForMachineRegularPressesNotForHumanJitter) {
    std::vector<double> machine;
    for (int i = 0; i < 60; ++i) machine.push_back(33.3333 * i);
    EXPECT_TRUE(statisticsOf(runAt(machine)).turbo);

    std::mt19937 rng(7);
    std::normal_distribution<double> jitter(0, 4);
    std::vector<double> human{0};
    for (int i = 1; i < 120; ++i) human.push_back(human.back() + 70 + jitter(rng));
    EXPECT_FALSE(statisticsOf(runAt(human)).turbo);

    // Fewer than 40 regular presses are not enough.
    machine.resize(39);
    EXPECT_FALSE(statisticsOf(runAt(machine)).turbo);

    // A machine on A alone, between human presses of B: A's own intervals give it away.
    RecordedRun mixed;
    for (int i = 0; i < 50; ++i) {
        mixed.presses.push_back(
            {PressKind::A, InputSource::fromPad(0), Millis::fromMsDouble(100.0 * i), std::nullopt});
        mixed.presses.push_back({PressKind::B, InputSource::keyboard(),
                                 Millis::fromMsDouble(100.0 * i + 30 + (i * 37 % 17)), std::nullopt});
    }
    const auto st = statisticsOf(mixed);
    EXPECT_TRUE(st.turbo);
    EXPECT_EQ(st.sourceMask(), (1u << 0) | (1u << InputSource::fromPad(0).index()));
}

TEST(HistoryFigures, ChartBestOfEachDayAndTexts) {
    auto summary = [](int day, int total, bool imported = false) {
        RunSummary s;
        s.startedAt = {2024, 5, day, 12, 0, 0, 0};
        s.total = total;
        s.imported = imported;
        return s;
    };
    const std::vector<RunSummary> runs = {summary(1, 100),       summary(1, 120), summary(2, 90),
                                          summary(2, 300, true), summary(3, 110), summary(3, 130)};
    const auto chart = recentTotals(runs, 3);
    // The best so far counts the runs before the chart too, and never someone else's imported run.
    EXPECT_EQ(chart, (std::vector<ChartPoint>{{90, 120}, {110, 120}, {130, 130}}));
    EXPECT_EQ(chartScaleTop(chart), 140);
    EXPECT_EQ(chartScaleTop({}), 20);
    const auto days = bestOfEachDay(runs);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].day.dayText(), "2024-05-03");
    EXPECT_EQ(days[0].best, 130);
    EXPECT_EQ(days[2].runs, 2);
    EXPECT_EQ(days[1].best, 90);

    RunSummary s;
    s.sources = (1u << 0) | (1u << InputSource::fromPad(3).index());
    s.turbo = true;
    EXPECT_EQ(sourcesShown(s), "キーボード・パッド3 (ターボ)");
    EXPECT_EQ(sourcesPlain(s), "keyboard, pad3 (turbo)");
    EXPECT_EQ(rateText(123.45), "123.5");
    EXPECT_EQ(rateText(std::nullopt), "-");
}

}  // namespace
}  // namespace tap::sim
