// The history window on a real Qt window system: the table, chart and buttons follow the core's model, a
// chosen row reaches it, and keys that do not move in the table go on to the device.
#include "ui/records/history_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QTest>

#include "core/records/run_statistics.h"
#include "tests/support/run_builder.h"
#include "tests/support/sim_platform.h"

namespace tap {
namespace {

struct HistoryOnScreen : ::testing::Test {
    sim::SimPlatform sim;
    Device device{sim.platform()};
    ui::HistoryView view{device, nullptr};
    std::vector<std::pair<int, bool>> forwarded;  // key, pressed

    void SetUp() override {
        ASSERT_TRUE(device.lifecycle.Form_Load());
        for (int presses : {30, 50, 40}) {
            std::vector<double> times;
            for (int i = 0; i < presses; ++i) times.push_back(90.0 * i + (i * 7 % 5));
            const RecordedRun run = sim::runAt(times);
            std::int64_t id = 0;
            sim.runs.add(run, summaryOf(run), id);
        }
        view.forwardKey = [this](const QKeyEvent& e, bool pressed) {
            forwarded.emplace_back(e.key(), pressed);
        };
        device.history.open();
        QApplication::processEvents();
    }
};

TEST_F(HistoryOnScreen, ShowsTheStoredRunsNewestFirstWithTheChart) {
    ASSERT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), QStringLiteral("記録"));
    QAbstractItemModel* runs = view.runsTable()->model();
    ASSERT_EQ(runs->rowCount(), 3);
    EXPECT_EQ(runs->data(runs->index(0, HistoryWindow::Total)).toString(), QStringLiteral("40"));
    EXPECT_EQ(runs->headerData(HistoryWindow::Unstable, Qt::Horizontal).toString(),
              QStringLiteral("不安定度"));
    EXPECT_EQ(view.daysTable()->model()->data(view.daysTable()->model()->index(0, 1)).toString(),
              QStringLiteral("50"));
    // The latest run's bar, bright green, at the chart's left where the first of a hundred slots lies.
    const QImage chart = view.findChild<QWidget*>(QStringLiteral("chart"))->grab().toImage();
    bool latestBar = false;
    for (int x = 0; x < chart.width() / 4 && !latestBar; ++x)
        latestBar = chart.pixel(x, chart.height() - 12) == qRgb(0, 255, 0);
    EXPECT_TRUE(latestBar);
}

TEST_F(HistoryOnScreen, AChosenRowIsComparedAndTheButtonsFollowTheRun) {
    view.runsTable()->selectionModel()->setCurrentIndex(
        view.runsTable()->model()->index(1, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(device.history.selectedRow(), 1);
    ASSERT_TRUE(view.button(QStringLiteral("compare"))->isEnabled());
    QTest::mouseClick(view.button(QStringLiteral("compare")), Qt::LeftButton);
    EXPECT_TRUE(device.s.analyzerOn);
    EXPECT_EQ(device.log.prevSecondCountAB[0] + device.log.prevSecondCountAB[1] +
                  device.log.prevSecondCountAB[2] + device.log.prevSecondCountAB[3] +
                  device.log.prevSecondCountAB[4],
              50);
    device.s.measuring = true;
    device.history.runStateChanged();
    EXPECT_FALSE(view.button(QStringLiteral("compare"))->isEnabled());
    EXPECT_FALSE(view.button(QStringLiteral("import"))->isEnabled());
    device.s.measuring = false;
    device.history.runStateChanged();
    EXPECT_TRUE(view.button(QStringLiteral("delete"))->isEnabled());
}

TEST_F(HistoryOnScreen, KeysGoOnToTheDeviceExceptThoseThatMoveInTheTable) {
    view.runsTable()->setFocus();
    QTest::keyClick(view.runsTable(), Qt::Key_V);
    QTest::keyClick(view.runsTable(), Qt::Key_Down);
    ASSERT_EQ(forwarded.size(), 2u);
    EXPECT_EQ(forwarded[0], std::make_pair(static_cast<int>(Qt::Key_V), true));
    EXPECT_EQ(forwarded[1], std::make_pair(static_cast<int>(Qt::Key_V), false));
    QTest::mouseClick(view.button(QStringLiteral("close")), Qt::LeftButton);
    EXPECT_FALSE(device.history.visible());
    EXPECT_FALSE(view.isVisible());
}

}  // namespace
}  // namespace tap
