#pragma once
// What the benchmarks share: the quiet stand-ins for the platform parts a benchmark does not measure, a
// device started on the real Qt platform, a pump that never waits (the baseline of a loop that spins), the
// interface thread's CPU time, and percentiles.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/device/device.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_timers.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/settings_stores.h"
#include "platform/qt/sql_run_store.h"
#include "platform/qt/user_files.h"

namespace tap::bench {

// Lets events in and returns at once: what a loop that spins does.
class SpinningPump : public EventPump {
public:
    void yield(Millis) override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
    void post(std::function<void()> task) override {
        QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
    }

private:
    QObject context_;
};

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

// How a benchmark reports a target: met or, loudly, not.
inline const char* yesNo(bool met) { return met ? "yes" : "NO"; }

inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

// The real timers, window operations and canvas and in-memory settings and run stores, around the given
// clock, pump and pads.
struct BenchPlatform {
    BenchPlatform(qt::QtClock& clock, EventPump& pump, GamePads& pads)
        : platform{clock, timers, pump, dialogs, window, store, pads, sound, random, canvas, runs, files} {}
    qt::QtTimerFactory timers;
    AnsweringDialogs dialogs;
    qt::QtWindowOps window;
    qt::MemorySettingsStore store;
    Silent sound;
    FixedRandom random;
    qt::QtCanvas canvas{1.0};
    qt::SqlRunStore runs{QStringLiteral(":memory:")};
    qt::QtUserFiles files;
    Platform platform;
};

// Start-up of the device under measurement; a benchmark cannot go on without it.
inline void startUp(Device& device) {
    if (device.lifecycle.Form_Load()) return;
    std::fprintf(stderr, "start-up failed\n");
    std::exit(1);
}

// A started device in mode 0. Its record is one nobody beats, so no box and no write interrupts a run.
struct BenchDevice : BenchPlatform {
    BenchDevice(qt::QtClock& clock, EventPump& pump, GamePads& pads) : BenchPlatform(clock, pump, pads) {
        store.write("MODE", "SHOOTING_MAX", "9999");
        device = std::make_unique<Device>(platform);
        startUp(*device);
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

    std::unique_ptr<Device> device;
};

}  // namespace tap::bench
