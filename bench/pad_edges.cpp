// An SDL virtual pad's A button toggled at 30, 60 and 100 presses per second for a ten-second run in the
// real Qt event loop: the presses the device counts of those sent, how exactly it times them, and the
// interface thread's CPU; against a 25 ms state poll (a look at the button every 25 ms) watching the
// same pad during the same run.
//
// An injector thread sets the virtual button down and up at its due times, as a player's thumb would;
// the device takes the edges in through the real SDL pad code. A virtual pad keeps only its buttons'
// state, so an edge is seen only if SDL is pumped before the next one: the first press, which the
// device meets with its 25 ms poll, is held for 40 ms; from there on the measuring loop pumps on every
// pass. The press-time error is the time the core gave a press against the time the button went down.
// The rates can be given on the command line (pad_edges 100).
#include <cstdlib>
#include <QApplication>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "bench_support.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/sdl/sdl_pads.h"
#include "tests/support/virtual_pad.h"

namespace {

using namespace tap;
using namespace tap::bench;

constexpr int kRunMs = 10000;
constexpr int kButtonA = 3;  // the default code of A: button 4 of joystick 0
constexpr double kFirstHoldMs = 40;

struct Watch {
    int counted = 0;
    double errP50 = 0, errP99 = 0, errMax = 0;
};

struct Result {
    int rate = 0;
    int sent = 0;
    Watch device, statePoll;
    double cpuPercent = 0;
};

Watch summary(int counted, const std::vector<double>& errors) {
    Watch w;
    w.counted = counted;
    w.errP50 = percentile(errors, 0.50);
    w.errP99 = percentile(errors, 0.99);
    w.errMax = errors.empty() ? 0 : *std::max_element(errors.begin(), errors.end());
    return w;
}

Result measure(int rate, qt::QtClock& clock, sdl::SdlPads& pads, sim::VirtualPad& pad) {
    qt::QtEventPump pump;
    BenchDevice device(clock, pump, pads);
    device.arm();
    const double periodMs = 1000.0 / rate;
    // Press i > 0 is due kFirstHoldMs + i * period after the first; those due within ten seconds are sent.
    const int presses = static_cast<int>((kRunMs - kFirstHoldMs) / periodMs - 1e-9) + 1;
    std::vector<Millis> pressedAt(static_cast<std::size_t>(presses));
    std::atomic<int> sent{0};

    // The device's press times: each count is shown at once, with the press's time as the loop's reading.
    std::vector<Millis> counted;
    double cpuStart = 0;
    device->face.onChange = [&](const Rect&) {
        if (device->s.countTotal == static_cast<int>(counted.size())) return;
        counted.push_back(device->s.timeNow);
        if (counted.size() == 1) cpuStart = threadCpuSeconds();
    };

    // The 25 ms state poll: a press is a look that finds the button down after one that found it up.
    int polled = 0;
    bool wasDown = false;
    std::vector<double> pollErrors;
    QTimer statePoll;
    statePoll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&statePoll, &QTimer::timeout, [&] {
        const bool down = pad.down(kButtonA);
        const int n = sent.load();
        if (down && !wasDown && device->s.measuring && n > 0) {
            ++polled;
            pollErrors.push_back((clock.tickNow() - pressedAt[static_cast<std::size_t>(n - 1)]).ms());
        }
        wasDown = down;
    });
    statePoll.start(25);

    std::thread injector([&] {
        using namespace std::chrono;
        const auto t0 = steady_clock::now() + milliseconds(100);
        const auto at = [&](double ms) { return t0 + duration_cast<steady_clock::duration>(duration<double, std::milli>(ms)); };
        for (int i = 0; i < presses; ++i) {
            const double due = i == 0 ? 0 : kFirstHoldMs + i * periodMs;
            std::this_thread::sleep_until(at(due));
            pressedAt[static_cast<std::size_t>(i)] = clock.tickNow();
            pad.set(kButtonA, true);
            sent = i + 1;
            std::this_thread::sleep_until(at(i == 0 ? kFirstHoldMs : due + periodMs / 2));
            pad.set(kButtonA, false);
        }
    });
    while (device->s.shootState != 3) pump.yield(Millis::fromMs(5));
    const double cpuEnd = threadCpuSeconds();
    const double runMs = (clock.tickNow() - pressedAt[0]).ms();
    injector.join();
    statePoll.stop();

    // Each counted press against the last one sent before its time, so that one press missed does not
    // shift all the others.
    std::vector<double> errors;
    for (std::size_t k = 1; k < counted.size(); ++k) {
        const auto sentBefore = std::upper_bound(pressedAt.begin(), pressedAt.end(), counted[k]);
        if (sentBefore != pressedAt.begin()) errors.push_back((counted[k] - *std::prev(sentBefore)).ms());
    }
    Result r;
    r.rate = rate;
    r.sent = sent;
    r.device = summary(device->s.countTotal, errors);
    r.statePoll = summary(polled + 1, pollErrors);  // the first press is the one that started the run
    r.cpuPercent = 100 * (cpuEnd - cpuStart) / (runMs / 1000);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qt::QtClock clock;
    sdl::SdlPads pads(clock);
    sim::VirtualPad pad("Benchmark pad");
    if (!pad.plugged()) {
        std::fprintf(stderr, "pad_edges: no virtual pad: %s\n", SDL_GetError());
        return 1;
    }
    pads.update();

    std::vector<int> rates;
    for (int i = 1; i < argc; ++i) rates.push_back(std::atoi(argv[i]));
    if (rates.empty()) rates = {30, 60, 100};
    bool allCounted = true, precise = true, frugal = true;
    for (int rate : rates) {
        const Result r = measure(rate, clock, pads, pad);
        std::printf(
            "%3d presses/s: sent %4d | device counted %4d, press-time error p50 %.3f p99 %.3f max %.3f ms, "
            "CPU %.2f %% of a core | 25 ms state poll counted %4d, error p50 %.3f p99 %.3f ms\n",
            r.rate, r.sent, r.device.counted, r.device.errP50, r.device.errP99, r.device.errMax, r.cpuPercent,
            r.statePoll.counted, r.statePoll.errP50, r.statePoll.errP99);
        allCounted = allCounted && r.device.counted == r.sent;
        precise = precise && r.device.errP99 <= 2.0;
        frugal = frugal && r.cpuPercent <= 3.0;
    }
    std::printf("every press counted at every rate: %s | press-time error p99 <= 2 ms: %s | "
                "CPU while measuring <= 3 %% of a core: %s\n",
                yesNo(allCounted), yesNo(precise), yesNo(frugal));
    return allCounted && precise && frugal ? 0 : 1;
}
