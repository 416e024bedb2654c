// Runs recorded by the device and kept in the store: every press with its source and exact times, written
// after the run and never during it, a failing store that says so once while the device goes on, and the
// history window with its comparison, export, import and deletion.
#include <gtest/gtest.h>

#include "core/analyzer/graph_geometry.h"
#include "core/records/run_file.h"
#include "core/records/run_statistics.h"
#include "tests/support/analyzer_scene.h"
#include "tests/support/run_builder.h"

namespace tap::sim {
namespace {

int messagesWith(const SimPlatform& sim, const std::string& part) {
    int n = 0;
    for (const auto& m : sim.messages) n += m.text.find(part) != std::string::npos;
    return n;
}

// START and `n` presses from `from` (ms of the simulation), A and B taking turns every `everyMs`; the run is
// waited out.
void playRun(Scenario& sc, double from, int n, double everyMs = 50) {
    sc.startButton();
    for (int i = 0; i < n; ++i) sc.pressAt(from + i * everyMs, i % 2 ? VK_C : VK_V, 4);
    sc.sim.runUntil(from + 10300);
}

TEST(RunRecords, EveryPressWithItsSourceAndTimesToATenThousandthOfAMillisecond) {
    Scenario sc;
    sc.sim.plugPad(0);
    ASSERT_TRUE(sc.start());
    sc.sim.passLength = Millis::fromUnits(1234);  // passes that fall between whole milliseconds
    sc.startButton();
    Millis first, firstUp, mouseAt, mouseUp;
    sc.sim.at(100, [&] {
        first = sc.sim.now();
        sc.keyDown(VK_V);
    });
    sc.sim.at(103, [&] {
        firstUp = sc.sim.now();
        sc.keyUp(VK_V);
    });
    sc.sim.at(300, [&] {
        mouseAt = sc.sim.now();
        sc.dev.buttons.mouseDown(El::A_button, kLeftButton);
    });
    sc.sim.at(340, [&] {
        mouseUp = sc.sim.now();
        sc.dev.buttons.mouseUp(El::A_button, kLeftButton);
    });
    Millis padDown, padUp;
    sc.sim.at(500, [&] {
        padDown = sc.sim.now();
        sc.sim.padButton(0, 2, true);  // B on the first pad, with an edge of its own
    });
    sc.sim.at(560, [&] {
        padUp = sc.sim.now();
        sc.sim.padButton(0, 2, false);
    });
    sc.sim.at(9000, [&] { sc.keyDown(VK_C); });  // held through the end of the run
    sc.sim.runUntil(10400);

    ASSERT_EQ(sc.sim.runs.stored.size(), 1u);
    const auto& presses = sc.sim.runs.stored[0].run.presses;
    ASSERT_EQ(presses.size(), 4u);
    EXPECT_EQ(presses[0], (RecordedPress{PressKind::A, InputSource::keyboard(), Millis{}, firstUp - first}));
    EXPECT_NE((firstUp - first).units() % 10000, 0);  // the fraction of a millisecond is kept
    EXPECT_EQ(presses[1],
              (RecordedPress{PressKind::A, InputSource::mouse(), mouseAt - first, mouseUp - first}));
    // A pad's press and release keep the times of their own edges, not those of the poll that read them.
    EXPECT_EQ(presses[2],
              (RecordedPress{PressKind::B, InputSource::fromPad(0), padDown - first, padUp - first}));
    // A pad's poll states its source for its own inputs only: the next key is the keyboard's again.
    EXPECT_EQ(presses[3].source, InputSource::keyboard());
    EXPECT_FALSE(presses[3].release);
    EXPECT_EQ(sc.sim.runs.stored[0].summary.total, sc.dev.s.countTotal);
    EXPECT_EQ(sc.sim.runs.stored[0].run.startedAt.dayText(), "2024-05-01");
}

TEST(RunRecords, PressesReadLateFromAPadTakeTheirPlaceByTime) {
    RunRecorder r;
    r.begin({});
    r.press(PressKind::A, InputSource::keyboard(), Millis{});
    r.release(PressKind::A, Millis::fromMs(10));
    r.press(PressKind::B, InputSource::keyboard(), Millis::fromMs(50));
    r.press(PressKind::A, InputSource::fromPad(1), Millis::fromMs(40));  // its poll came after the key
    r.release(PressKind::A, Millis::fromMs(45));
    r.release(PressKind::B, Millis::fromMs(10001));  // after the ten seconds: no release of the run
    const RecordedRun run = r.finish();
    ASSERT_EQ(run.presses.size(), 3u);
    EXPECT_EQ(run.presses[1],
              (RecordedPress{PressKind::A, InputSource::fromPad(1), Millis::fromMs(40), Millis::fromMs(45)}));
    EXPECT_EQ(run.presses[2].release, std::nullopt);
    EXPECT_EQ(validateRun(run), "");
    EXPECT_FALSE(r.recording());
}

TEST(RunRecords, WrittenAfterTheTenSecondsNeverDuringThem) {
    Scenario sc;
    ASSERT_TRUE(sc.start());
    int addsDuringRun = -1;
    sc.sim.at(9900, [&] { addsDuringRun = sc.sim.runs.adds; });
    playRun(sc, 100, 40);
    EXPECT_EQ(addsDuringRun, 0);
    ASSERT_EQ(sc.sim.runs.stored.size(), 1u);
    EXPECT_EQ(sc.sim.runs.stored[0].run.presses.size(), 40u);
    EXPECT_EQ(sc.sim.runs.stored[0].summary.fastestSecond, 20);
}

TEST(RunRecords, AFailingStoreSaysSoOnceTouchesNoSettingAndKeepsTheRunsUntilItWorks) {
    auto script = [](Scenario& sc) {
        sc.start();
        playRun(sc, 100, 30);
        playRun(sc, 11000, 35);
        sc.dev.lifecycle.Form_Unload(0);
    };
    Scenario control;
    script(control);
    Scenario sc;
    sc.sim.runs.failure = "disk full";
    sc.start();
    playRun(sc, 100, 30);
    playRun(sc, 11000, 35);
    EXPECT_EQ(messagesWith(sc.sim, "記録を保存できません。"), 1);
    EXPECT_EQ(messagesWith(sc.sim, "disk full"), 1);
    EXPECT_EQ(sc.dev.s.bestRecord, 35);  // the device went on counting and keeping its record
    EXPECT_EQ(sc.dev.runKeeper.waiting(), 2u);
    sc.sim.runs.failure.clear();
    sc.dev.lifecycle.Form_Unload(0);
    EXPECT_EQ(sc.sim.runs.stored.size(), 2u);  // written at the end, in the order played
    EXPECT_EQ(sc.sim.runs.stored[1].summary.total, 35);
    EXPECT_EQ(sc.sim.store, control.sim.store);
    EXPECT_EQ(messagesWith(sc.sim, "記録"), 1);
}

TEST(RunRecords, ADamagedStoreSetAsideIsToldOnceAndARunCutShortIsNotKept) {
    Scenario sc;
    sc.start();
    sc.sim.runs.note = "moved to runs.sqlite.damaged";
    playRun(sc, 100, 20);
    EXPECT_EQ(messagesWith(sc.sim, "moved to runs.sqlite.damaged"), 1);
    ASSERT_EQ(sc.sim.runs.stored.size(), 1u);
    // The program ends five seconds into the next run: that run is not a run.
    sc.startButton();
    sc.pressAt(11000, VK_V);
    sc.sim.at(16000, [&] { sc.dev.lifecycle.Form_Unload(0); });
    sc.sim.runUntil(17000);
    EXPECT_TRUE(sc.dev.s.terminating);
    EXPECT_EQ(sc.sim.runs.stored.size(), 1u);
    EXPECT_FALSE(sc.dev.recorder.recording());
}

struct HistoryScene : AnalyzerScene {
    explicit HistoryScene(bool analyzer = true) : AnalyzerScene(analyzer) {}
    HistoryWindow& history() { return dev.history; }
    std::vector<int> prevAB() const {
        return {log().prevSecondCountAB.begin(), log().prevSecondCountAB.begin() + 10};
    }
};

TEST(History, ListsTheRunsNewestFirstAndComparesAChosenOneWithThisAndTheNextRun) {
    HistoryScene sc;
    sc.run({8, 6, 4, 2});
    sc.run({3, 3, 3, 3, 3});
    sc.history().open();
    ASSERT_TRUE(sc.history().visible());
    ASSERT_EQ(sc.history().rowCount(), 2);
    EXPECT_EQ(sc.history().cell(0, HistoryWindow::Total), "15");
    EXPECT_EQ(sc.history().cell(1, HistoryWindow::Total), "20");
    EXPECT_EQ(sc.history().cell(1, HistoryWindow::Sources), "キーボード");
    EXPECT_EQ(sc.history().chart().back(), (ChartPoint{15, 20}));
    EXPECT_FALSE(sc.history().runActionsEnabled());  // nothing chosen yet

    sc.history().select(1);
    sc.history().compareClick();
    EXPECT_EQ(sc.prevAB(), (std::vector<int>{8, 6, 4, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sc.log().prevAvgCountAB[1], 7);
    EXPECT_EQ(sc.log().prevState, 2);
    // The table shows the compared run under the latest one, with their differences.
    EXPECT_EQ(sc.window().table.text(FiguresTable::prev_ab, 0), "8");
    EXPECT_EQ(sc.window().table.text(FiguresTable::diff_ab, 0), "-5");
    EXPECT_EQ(sc.window().table.text(FiguresTable::diff_ab, FiguresTable::kTotalRow), "-5");

    // Readying the next run keeps the compared run as the one before it.
    sc.run({5, 5});
    EXPECT_EQ(sc.prevAB(), (std::vector<int>{8, 6, 4, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(sc.window().table.text(FiguresTable::diff_ab, 1), "-1");
    EXPECT_FALSE(sc.log().previousPinned);
    // After that run the runs follow one another again.
    sc.startButton();
    EXPECT_EQ(sc.prevAB(), (std::vector<int>{5, 5, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(History, ComparingBeforeAnyRunWithTheAnalyzerOpensItAndShowsTheStoredRunAlone) {
    HistoryScene sc(false);
    sc.run({6, 9});
    sc.history().open();
    sc.history().select(0);
    sc.canvas().forget();
    sc.history().compareClick();
    EXPECT_TRUE(sc.dev.s.analyzerOn);
    EXPECT_EQ(sc.log().prevState, 1);
    std::vector<int> tops;
    for (const auto& c : sc.canvas().of(CanvasPicture::Picture1, CanvasCall::Box))
        if (c.colour == graph::kPrevious) tops.push_back(c.b.y);
    ASSERT_EQ(tops.size(), 10u);
    EXPECT_EQ(tops[1], graph::valueY(9, 1));
    // The next START draws it again as the run before.
    sc.canvas().forget();
    sc.startButton();
    EXPECT_FALSE(sc.canvas().of(CanvasPicture::Picture1, CanvasCall::Box).empty());
    EXPECT_EQ(sc.prevAB()[1], 9);
}

TEST(History, ExportsAChosenRunAndImportsOnlyWhatChecksOut) {
    HistoryScene sc(false);
    sc.run({4, 4});
    sc.history().open();
    sc.history().select(0);
    sc.sim.fileChoices = {"/home/u/run.json"};
    sc.history().exportClick();
    ASSERT_EQ(sc.sim.savedAs.size(), 1u);
    EXPECT_EQ(sc.sim.savedAs[0], "tapriko-20240501-120000.csv");
    EXPECT_EQ(sc.sim.fileDialogs[0][0].patterns, "*.csv;*.json");
    const auto back = readRunFile(sc.sim.files.files.at("/home/u/run.json"));
    ASSERT_TRUE(back.run) << back.error;
    EXPECT_TRUE(back.dated);
    EXPECT_EQ(back.run->presses, sc.sim.runs.stored[0].run.presses);

    sc.sim.files.writeFailure = "read-only";
    sc.sim.fileChoices = {"/ro/run.csv"};
    sc.history().exportClick();
    EXPECT_EQ(messagesWith(sc.sim, "read-only"), 1);

    // A damaged file: a message, nothing stored, nothing compared.
    sc.sim.files.files["/in/bad.csv"] =
        "seq,button,source,press_ms,release_ms\n1,A,keyboard,0,50\n2,A,keyboard,20,60\n";
    sc.sim.fileChoices = {"/in/bad.csv"};
    sc.history().importClick();
    EXPECT_EQ(
        messagesWith(sc.sim, "読み込めません。\n/in/bad.csv\n2 番目: 同じボタンを離す前に押しています。"), 1);
    EXPECT_EQ(sc.sim.runs.stored.size(), 1u);
    EXPECT_FALSE(sc.dev.s.analyzerOn);

    // A friend's run: stored as imported, chosen, and compared with.
    sc.sim.files.files["/in/friend.csv"] = writeRunFile(runAt({0, 100, 200, 1500}), RunFileFormat::Csv);
    sc.sim.fileChoices = {"/in/friend.csv"};
    sc.history().importClick();
    ASSERT_EQ(sc.sim.runs.stored.size(), 2u);
    EXPECT_TRUE(sc.sim.runs.stored[1].summary.imported);
    EXPECT_EQ(sc.history().selectedRow(), 0);
    EXPECT_EQ(sc.history().cell(0, HistoryWindow::Sources), "キーボード (読み込み)");
    EXPECT_EQ(sc.prevAB()[0], 3);
    EXPECT_EQ(sc.history().chart().size(), 1u);  // someone else's run is not on the chart
}

TEST(History, AStoreThatCannotBeReadOpensAnEmptyWindowThatSaysWhy) {
    HistoryScene sc(false);
    sc.sim.runs.failure = "unable to open database file";
    sc.history().open();
    sc.history().open();
    EXPECT_TRUE(sc.history().visible());
    EXPECT_EQ(sc.history().rowCount(), 0);
    EXPECT_EQ(sc.history().statusText(), "記録を読めません: unable to open database file");
    EXPECT_EQ(messagesWith(sc.sim, "unable to open database file"), 1);
    sc.sim.runs.failure.clear();
    sc.run({3});
    sc.history().open();
    EXPECT_EQ(sc.history().rowCount(), 1);
    EXPECT_EQ(sc.history().statusText(), "記録 1 件 ・ sim:runs");
}

TEST(History, DeletesOnlyAfterConfirmationAndNotWhileARunMeasures) {
    HistoryScene sc(false);
    sc.run({2});
    sc.run({3});
    sc.history().open();
    sc.history().select(0);
    sc.sim.answers = {MessageAnswer::Cancel};
    sc.history().deleteClick();
    EXPECT_EQ(sc.sim.runs.stored.size(), 2u);
    sc.sim.answers = {MessageAnswer::Ok};
    sc.history().deleteClick();
    ASSERT_EQ(sc.sim.runs.stored.size(), 1u);
    EXPECT_EQ(sc.sim.runs.stored[0].summary.total, 2);
    EXPECT_EQ(sc.history().rowCount(), 1);
    EXPECT_EQ(sc.history().selectedRow(), 0);  // the run below took its place

    // While a run measures the buttons do nothing; its end adds it to the open window.
    sc.startButton();
    sc.pressAt(sc.sim.elapsedMs() + 100, VK_V);
    bool enabledDuringRun = true;
    sc.sim.at(sc.sim.elapsedMs() + 2000, [&] {
        enabledDuringRun = sc.history().actionsEnabled();
        sc.sim.answers = {MessageAnswer::Ok};
        sc.history().deleteClick();
    });
    sc.sim.runFor(10500);
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_EQ(sc.sim.runs.stored.size(), 2u);
    EXPECT_EQ(sc.history().rowCount(), 2);
    EXPECT_TRUE(sc.history().actionsEnabled());
}

}  // namespace
}  // namespace tap::sim
