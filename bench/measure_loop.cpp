// A real ten-second measurement from the keyboard in the real Qt event loop, with presses injected at
// known times: with the device's event pump, once more with the analyzer window open and drawing into its
// real canvas, and once with a pump that never waits, all in the same process.
//
// An injector thread puts each press and release into the interface thread's event queue at its due time,
// as the window system would; the device's dispatcher handles it inside the measuring loop's yield. The
// press-time error is the time the core gave a press against the time it was put in; the CPU is the
// interface thread's while the loop runs, as a share of one core.
#include <QApplication>
#include <QEventLoop>
#include <chrono>
#include <string>
#include <thread>

#include "bench_support.h"
#include "platform/no_game_pads.h"
#include "platform/qt/entry_guard.h"
#include "platform/qt/qt_event_pump.h"
#include "ui/analyzer/analyzer_view.h"
#include "ui/picture_book.h"

namespace {

using namespace tap;
using namespace tap::bench;

struct Result {
    int injected = 0;
    int counted = 0;
    double runLengthMs = 0;    // first press injected to the loop's end
    double loopElapsedMs = 0;  // the loop's own reading at its end
    double errP50 = 0, errP99 = 0, errMax = 0;
    double cpuPercent = 0;  // of one core, while the loop ran
};

constexpr int kPeriodMs = 10;  // 100 presses per second
constexpr int kRunMs = 10000;

Result measure(EventPump& pump, bool analyzerOpen) {
    qt::QtClock clock;
    NoGamePads pads;
    BenchDevice device(clock, pump, pads);
    // The analyzer window shown beside the device, drawing on every pass and tick.
    std::unique_ptr<ui::PictureBook> book;
    std::unique_ptr<ui::AnalyzerView> analyzer;
    if (analyzerOpen) {
        book = std::make_unique<ui::PictureBook>(1.0);
        analyzer = std::make_unique<ui::AnalyzerView>(*device, *book, device.canvas, nullptr);
        device->menu.choose("ANALIZER");
        QCoreApplication::processEvents();
    }
    device.arm();
    const auto keys = device->s.keys;

    Result r;
    std::vector<double> errors;
    QObject receiver;  // lives on the interface thread: what the injector posts to runs there
    // One key event as the window system delivers it; keeps how long it waited on the interface thread
    // against the time the injector put it in.
    auto handle = [&](std::int16_t key, bool down, Millis injected) {
        if (!down) return device->dispatcher.Form_KeyUp(key, 0);
        if (r.injected++ == 0) {
            const double cpuBefore = threadCpuSeconds();
            // Returns when the run is over: the measuring loop runs inside this press.
            device->dispatcher.Form_KeyDown(key, 0);
            r.runLengthMs = (clock.tickNow() - injected).ms();
            r.loopElapsedMs = (device->s.timeNow - device->s.timeStart).ms();
            r.cpuPercent = 100 * (threadCpuSeconds() - cpuBefore) / (r.runLengthMs / 1000);
            return;
        }
        device->dispatcher.Form_KeyDown(key, 0);
        // The time the core gave the press, against the time it was injected.
        if (device->s.measuring) errors.push_back((device->s.timeNow - injected).ms());
    };
    // Delivers one key event on the interface thread, guarded as the window's key handlers are: the
    // measuring loop's wait ends on entries into the device.
    auto deliver = [&](std::int16_t key, bool down, Millis injected) {
        QMetaObject::invokeMethod(
            &receiver, [&handle, key, down, injected] { qt::guarded([&] { handle(key, down, injected); }); },
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
    while (device->s.shootState != 3) pump.yield(Millis::fromMs(5));
    injector.join();
    QCoreApplication::processEvents();
    device->dispatcher.Form_KeyUp(keys.keyCodeA, 0);
    device->dispatcher.Form_KeyUp(keys.keyCodeB, 0);
    r.counted = device->s.countTotal;
    r.errP50 = percentile(errors, 0.50);
    r.errP99 = percentile(errors, 0.99);
    r.errMax = errors.empty() ? 0 : *std::max_element(errors.begin(), errors.end());
    return r;
}

void print(const char* name, const Result& r) {
    std::printf(
        "%-22s presses sent %4d counted %4d | run %9.4f ms (loop reading %9.4f ms) | "
        "press-time error p50 %.4f p99 %.4f max %.4f ms | CPU %6.2f %% of a core\n",
        name, r.injected, r.counted, r.runLengthMs, r.loopElapsedMs, r.errP50, r.errP99, r.errMax, r.cpuPercent);
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
    print("baseline (spinning)", b);

    const bool allCounted = a.counted == a.injected && open.counted == open.injected;
    const bool onTime = a.runLengthMs >= kRunMs - 1 && a.runLengthMs <= kRunMs + 1;
    const bool precise = a.errP99 <= 0.1 && open.errP99 <= 1.0;
    // Against a whole core: on a busy machine the spinning loop gets less than one, and a ratio to it
    // would flatter.
    const bool frugal = a.cpuPercent <= 1.0;
    const bool analyzerFrugal = open.cpuPercent <= 5.0;
    std::printf(
        "every press counted: %s | run 10 000 +/- 1 ms: %s | press-time error p99 <= 0.1 ms (analyzer open "
        "<= 1 ms): %s (%.4f ms, spinning %.4f ms) | CPU <= 1 %% of a core: %s (%.2f %%, 1/%.0f of spinning's "
        "%.1f %%)\n",
        yesNo(allCounted), yesNo(onTime), yesNo(precise), a.errP99, b.errP99, yesNo(frugal), a.cpuPercent,
        a.cpuPercent > 0 ? b.cpuPercent / a.cpuPercent : 0.0, b.cpuPercent);
    std::printf("analyzer open: %.2f %% of a core (<= 5 %%: %s), %.1f x the CPU of the run without it\n",
                open.cpuPercent, yesNo(analyzerFrugal), a.cpuPercent > 0 ? open.cpuPercent / a.cpuPercent : 0.0);
    return allCounted && onTime && precise && frugal && analyzerFrugal ? 0 : 1;
}
