#pragma once
// A device window on the real window system, with its state on the simulated platform except the
// window operations, which are the real ones.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/qt_window_ops.h"
#include "tests/support/scenario.h"
#include "ui/device_window.h"
#include "ui/picture_book.h"

namespace tap {

struct RealDevice {
    sim::SimPlatform sim;
    qt::QtWindowOps ops;
    Platform platform{sim, sim, sim, sim, ops, sim, sim, sim, sim, sim.canvas, sim.runs, sim.files};
    Device device{platform};
    ui::PictureBook book{1.0};
    ui::DeviceWindow view{device, book};

    // Start-up with what is stored so far, and the window on the screen.
    void startAndShow() {
        ops.setWindow(&view);
        ASSERT_TRUE(device.lifecycle.Form_Load());
        sim.runFor(0);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

// The same as a test fixture, started and shown before each test.
struct RealWindow : ::testing::Test, RealDevice {
    void SetUp() override { startAndShow(); }
};

}  // namespace tap
