#pragma once
// A device window on the real window system, with its state on the simulated platform except the
// window operations, which are the real ones.
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/qt_window_ops.h"
#include "tests/support/sim_platform.h"
#include "ui/device_window.h"
#include "ui/picture_book.h"

namespace tap {

struct RealWindow : ::testing::Test {
    sim::SimPlatform sim;
    qt::QtWindowOps ops;
    Platform platform{sim, sim, sim, sim, ops, sim, sim, sim, sim, sim.canvas};
    Device device{platform};
    ui::PictureBook book{1.0};
    ui::DeviceWindow view{device, book};

    void SetUp() override {
        ops.setWindow(&view);
        ASSERT_TRUE(device.lifecycle.Form_Load());
        sim.runFor(0);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

}  // namespace tap
