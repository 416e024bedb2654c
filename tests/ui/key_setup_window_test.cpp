// The key setup window under a real Qt window system: what the model says is what it shows, and keys go
// to the capture rather than to its buttons while a label waits.
#include <QDir>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

#include "core/device/device.h"
#include "tests/support/sim_platform.h"
#include "ui/assign_label.h"
#include "ui/key_setup_window.h"

namespace tap {
namespace {

struct KeySetupView : ::testing::Test {
    sim::SimPlatform sim;
    Device device{sim.platform()};
    std::unique_ptr<KeySetupDialog> model;
    std::unique_ptr<ui::KeySetupWindow> window;
    QList<ui::AssignLabel*> labels;  // the four key labels, then the four pad labels

    void SetUp() override {
        sim.plugPad(0, "Test pad");
        ASSERT_TRUE(device.lifecycle.Form_Load());
        sim.runFor(0);
        model = std::make_unique<KeySetupDialog>(device);
        model->Form_Load();
        model->Form_Activate();
        window = std::make_unique<ui::KeySetupWindow>(*model, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        labels = window->findChildren<ui::AssignLabel*>();
        ASSERT_EQ(labels.size(), 8);
    }
    void key(Qt::Key k) { QTest::keyClick(window->windowHandle(), k); }
    void saveShot(const char* name) {
        const QString dir = qEnvironmentVariable("ARTIFACTS", QStringLiteral("."));
        QDir().mkpath(dir);
        window->grab().save(dir + "/" + name + ".png");
    }
};

TEST_F(KeySetupView, AWaitingLabelIsYellowAndTakesTheKeysTheButtonsWouldHaveHad) {
    QTest::mouseClick(labels[0], Qt::LeftButton);
    EXPECT_EQ(model->waitingKeySlot, 1);
    EXPECT_EQ(labels[0]->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_NE(labels[1]->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(labels[0]->toolTip().toStdString(), KeySetupDialog::kKeyToolTip);
    saveShot("key_setup_waiting");

    key(Qt::Key_Space);  // not a press of the focused button
    EXPECT_EQ(labels[0]->text().toStdString(), "Space キー");
    EXPECT_EQ(model->waitingKeySlot, 2);
    key(Qt::Key_Escape);  // gives up waiting, the dialog stays
    EXPECT_EQ(model->waitingKeySlot, 0);
    EXPECT_TRUE(window->isVisible());
    key(Qt::Key_Return);  // no label waits: OK
    EXPECT_FALSE(model->visible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(device.s.keys.keyCodeSelect, 32);
}

TEST_F(KeySetupView, ThePadTabShowsThePadsWithTheirButtonsLive) {
    auto* tabs = window->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_TRUE(model->padTabShown());
    EXPECT_TRUE(labels[4]->isVisible());
    EXPECT_FALSE(labels[0]->isVisible());
    QTest::mouseClick(labels[7], Qt::LeftButton);
    sim.padButton(0, 5, true);
    model->Timer1_Timer();
    EXPECT_EQ(labels[7]->text().toStdString(), "JoyPat1 - Button6");
    ASSERT_EQ(model->testedPads().size(), 1u);
    EXPECT_EQ(model->testedPads()[0].lit, 1u << 5);
    saveShot("key_setup_pad_tab");
}

}  // namespace
}  // namespace tap
