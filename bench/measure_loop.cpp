// A real ten-second measurement in the real Qt event loop, with presses injected at known times: with the
// device's event pump, once more with the analyzer window open and drawing into its real canvas, and once
// with a pump that never waits, all in the same process.
//
// An injector thread puts each press and release into the interface thread's event queue at its due time,
// as the window system would; the device's dispatcher handles it inside the measuring loop's yield. The
// press-time error is the time the core gave a press against the time it was put in.
#include <sys/resource.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "core/device/device.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_timers.h"
#include "platform/qt/qt_window_ops.h"
#include "platform/qt/settings_stores.h"
#include "platform/qt/sql_run_store.h"
#include "platform/qt/user_files.h"
#include "ui/analyzer/analyzer_view.h"
#include "ui/picture_book.h"

namespace {

using namespace tap;

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
    std::optional<std::string> chooseFile(const FileDialogRequest&) override { return std::nullopt; }
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

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto sec = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return sec(u.ru_utime) + sec(u.ru_stime);
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

struct Result {
    int injected = 0;
    int counted = 0;
    double runLengthMs = 0;    // first press injected to the loop's end
    double loopElapsedMs = 0;  // the loop's own reading at its end
    double errP50 = 0, errP99 = 0, errMax = 0;
    int errOver1ms = 0;
    double cpu = 0;
};

constexpr int kPeriodMs = 10;  // 100 presses per second
constexpr int kRunMs = 10000;

Result measure(EventPump& pump, bool analyzerOpen) {
    qt::QtClock clock;
    qt::QtTimerFactory timers;
    AnsweringDialogs dialogs;
    qt::QtWindowOps window;
    qt::MemorySettingsStore store;
    NoPads pads;
    Silent sound;
    FixedRandom random;
    qt::QtCanvas canvas(1.0);
    qt::SqlRunStore runs(QStringLiteral(":memory:"));
    qt::QtUserFiles files;
    Platform platform{clock, timers, pump, dialogs, window, store, pads, sound, random, canvas, runs, files};
    // A record nobody beats and every mode unlocked: no box and no write interrupts the run.
    store.write("MODE", "SHOOTING_MAX", "9999");
    Device device(platform);
    if (!device.lifecycle.Form_Load()) {
        std::fprintf(stderr, "measure_loop: start-up failed\n");
        std::exit(1);
    }
    // The analyzer window shown beside the device, drawing on every pass and tick.
    std::unique_ptr<ui::PictureBook> book;
    std::unique_ptr<ui::AnalyzerView> analyzer;
    if (analyzerOpen) {
        book = std::make_unique<ui::PictureBook>(1.0);
        analyzer = std::make_unique<ui::AnalyzerView>(device, *book, canvas, nullptr);
        device.menu.choose("ANALIZER");
    }
    QCoreApplication::processEvents();
    const auto keys = device.s.keys;
    device.dispatcher.Form_KeyDown(keys.keyCodeStart, 0);
    device.dispatcher.Form_KeyUp(keys.keyCodeStart, 0);

    Result r;
    std::vector<double> errors;
    Millis firstInjected;
    QObject receiver;  // lives on the interface thread: what the injector posts to runs there
    // Delivers one key event on the interface thread as the window system would, and keeps how long it
    // waited there against the time the injector put it in.
    auto deliver = [&](std::int16_t key, bool down, Millis injected) {
        QMetaObject::invokeMethod(
            &receiver,
            [&, key, down, injected] {
                if (!down) return device.dispatcher.Form_KeyUp(key, 0);
                if (r.injected++ == 0) {
                    firstInjected = injected;
                    const double cpuBefore = cpuSeconds();
                    // Returns when the run is over: the measuring loop runs inside this press.
                    device.dispatcher.Form_KeyDown(key, 0);
                    r.runLengthMs = (clock.tickNow() - firstInjected).ms();
                    r.cpu = cpuSeconds() - cpuBefore;
                    r.loopElapsedMs = (device.s.timeNow - device.s.timeStart).ms();
                    return;
                }
                device.dispatcher.Form_KeyDown(key, 0);
                // The time the core gave the press, against the time it was injected.
                if (device.s.measuring) errors.push_back((device.s.timeNow - injected).ms());
            },
            Qt::QueuedConnection);
    };
    // Press i is due i * 10 ms after the first, its release 5 ms later; A and B alternate. Only presses
    // due within the ten seconds are sent.
    std::thread injector([&] {
        using namespace std::chrono;
        const auto t0 = steady_clock::now() + milliseconds(50);
        for (int i = 0; i * kPeriodMs < kRunMs; ++i) {
            const std::int16_t key = i % 2 ? keys.keyCodeB : keys.keyCodeA;
            std::this_thread::sleep_until(t0 + milliseconds(i * kPeriodMs));
            deliver(key, true, clock.tickNow());
            std::this_thread::sleep_until(t0 + milliseconds(i * kPeriodMs + kPeriodMs / 2));
            deliver(key, false, clock.tickNow());
        }
    });
    while (device.s.shootState != 3) pump.yield(Millis::fromMs(5));
    injector.join();
    QCoreApplication::processEvents();
    device.dispatcher.Form_KeyUp(keys.keyCodeA, 0);
    device.dispatcher.Form_KeyUp(keys.keyCodeB, 0);
    r.counted = device.s.countTotal;
    r.errP50 = percentile(errors, 0.50);
    r.errP99 = percentile(errors, 0.99);
    for (double e : errors) {
        r.errMax = std::max(r.errMax, e);
        r.errOver1ms += e > 1.0;
    }
    device.s.terminating = true;
    return r;
}

void print(const char* name, const Result& r) {
    std::printf(
        "%-22s presses injected %4d counted %4d | run %9.4f ms (loop reading %9.4f ms) | "
        "press-time error p50 %.4f p99 %.4f max %.4f ms (%d over 1 ms) | CPU %.3f s\n",
        name, r.injected, r.counted, r.runLengthMs, r.loopElapsedMs, r.errP50, r.errP99, r.errMax,
        r.errOver1ms, r.cpu);
}

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qt::QtEventPump ours;
    // "analyzer" runs only the run with the analyzer open, for profiling it.
    if (argc > 1 && std::string(argv[1]) == "analyzer") {
        print("analyzer open", measure(ours, true));
        return 0;
    }

    const Result a = measure(ours, false);
    const Result open = measure(ours, true);
    SpinningPump spinning;
    const Result b = measure(spinning, false);
    print("device pump", a);
    print("analyzer open", open);
    print("baseline (no waiting)", b);

    const bool allCounted = a.counted == a.injected && open.counted == open.injected;
    const bool onTime = a.runLengthMs >= kRunMs - 1 && a.runLengthMs <= kRunMs + 1;
    const bool precise = a.errP99 <= 1.0 && open.errP99 <= 1.0;
    const bool frugal = a.cpu * 20 <= b.cpu;
    const double openShare = open.cpu / (kRunMs / 1000.0);  // of one core over the run
    const bool analyzerFrugal = openShare <= 0.05;
    std::printf(
        "every press counted: %s | run 10 000 +/- 1 ms: %s | p99 <= 1 ms: %s | CPU <= 1/20 of baseline "
        "(%.1f %%): %s\n",
        allCounted ? "yes" : "NO", onTime ? "yes" : "NO", precise ? "yes" : "NO",
        b.cpu > 0 ? 100.0 * a.cpu / b.cpu : 0.0, frugal ? "yes" : "NO");
    std::printf("analyzer open: %.2f %% of a core (<= 5 %%: %s), %.1f x the CPU of the run without it\n",
                100.0 * openShare, analyzerFrugal ? "yes" : "NO", a.cpu > 0 ? open.cpu / a.cpu : 0.0);
    return allCounted && onTime && precise && frugal && analyzerFrugal ? 0 : 1;
}
