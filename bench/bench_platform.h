#pragma once
// What the benchmarks share: the quiet stand-ins for the platform parts a benchmark does not measure, a
// pump that never waits (the baseline of a loop that spins), and the figures they report.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "core/device/device.h"
#include "core/platform.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_timers.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/settings_stores.h"

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
};

struct NoPads : GamePads {
    std::optional<std::uint32_t> buttons(int) override { return std::nullopt; }
};
struct Silent : Sound {
    void beep() override {}
};
struct FixedRandom : RandomSource {
    double next() override { return 0.5; }
};

inline double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return sec(u.ru_utime) + sec(u.ru_stime);
}

inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

// The real clock, timers and window operations and an in-memory settings store, around a given pump.
struct BenchPlatform {
    explicit BenchPlatform(EventPump& pump)
        : platform{clock, timers, pump, dialogs, window, store, pads, sound, random, canvas} {}
    qt::QtClock clock;
    qt::QtTimerFactory timers;
    AnsweringDialogs dialogs;
    qt::QtWindowOps window;
    qt::MemorySettingsStore store;
    NoPads pads;
    Silent sound;
    FixedRandom random;
    qt::QtCanvas canvas{1.0};
    Platform platform;
};

// Start-up of the device under measurement; a benchmark cannot go on without it.
inline void startUp(Device& device, const char* benchmark) {
    if (device.lifecycle.Form_Load()) return;
    std::fprintf(stderr, "%s: start-up failed\n", benchmark);
    std::exit(1);
}

}  // namespace tap::bench
