#pragma once
// What the benchmarks share: a device on the real Qt platform with nobody to answer its boxes, the
// interface thread's CPU time, and percentiles.
#include <sys/resource.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/device/device.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_timers.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/settings_stores.h"

namespace bench {

using namespace tap;

// Nobody is there to answer a box; count them and answer OK.
class AnsweringDialogs : public Dialogs {
public:
    int shown = 0;
    MessageAnswer messageBox(const std::string&, MessageIcon, MessageButtons) override {
        ++shown;
        return MessageAnswer::Ok;
    }
    void alarmNotice(AlarmNotice&) override {}
    void keySetup(KeySetupDialog&) override {}
};

struct Silent : Sound {
    void beep() override {}
};

struct FixedRandom : RandomSource {
    double next() override { return 0.5; }
};

// CPU time of the calling thread: the interface thread, where the device and its loops run.
inline double threadCpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_THREAD, &u);
    auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return sec(u.ru_utime) + sec(u.ru_stime);
}

inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

// A started device in mode 0 on the real clock, timers and canvas and the given pump and pads. Its record
// is one nobody beats, so no box and no write interrupts a run.
struct BenchDevice {
    BenchDevice(qt::QtClock& clock, EventPump& pump, GamePads& pads)
        : platform{clock, timers, pump, dialogs, window, store, pads, sound, random, canvas} {
        store.write("MODE", "SHOOTING_MAX", "9999");
        device = std::make_unique<Device>(platform);
        if (!device->lifecycle.Form_Load()) {
            std::fprintf(stderr, "start-up failed\n");
            std::exit(1);
        }
        QCoreApplication::processEvents();
    }
    ~BenchDevice() { device->s.terminating = true; }
    // START: the next press of A or B runs the measurement.
    void arm() {
        device->dispatcher.Form_KeyDown(device->s.keys.keyCodeStart, 0);
        device->dispatcher.Form_KeyUp(device->s.keys.keyCodeStart, 0);
    }
    Device& operator*() { return *device; }
    Device* operator->() { return device.get(); }

    qt::QtTimerFactory timers;
    AnsweringDialogs dialogs;
    qt::QtWindowOps window;
    qt::MemorySettingsStore store;
    Silent sound;
    FixedRandom random;
    qt::QtCanvas canvas{1.0};
    Platform platform;
    std::unique_ptr<Device> device;
};

}  // namespace bench
