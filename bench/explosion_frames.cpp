// The explosion game's panels on the real window system: how often they move while they close in and
// what the run costs in CPU, once with the device's event pump and once with a pump that never waits.
//
// A run without presses lasts 3.8 s from START to the panels' meeting; every change of panel 1's place
// is a window move. In legs 2 and 3 (2 000-3 800 ms) the panels travel more than a pixel a frame, so
// there smooth movement means at least 60 moves a second with no gap much above 1/60 s. A loop that
// spins a core shows as CPU time close to the run's length.
#include <QApplication>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "core/device/device.h"
#include "platform/no_game_pads.h"
#include "platform/qt/qt_event_pump.h"
#include "ui/device_window.h"
#include "ui/game_windows.h"

namespace {

using namespace tap;
using namespace tap::bench;

constexpr double kFastFrom = 2000, kFastTo = 3800;  // legs 2 and 3, ms after START

struct Result {
    int moves = 0;  // in legs 2 and 3
    double runMs = 0;
    double movesPerSecond = 0;
    double gapP99 = 0, gapMax = 0;  // ms between moves
    double cpuShare = 0;            // CPU time over the run's length
};

Result measure(EventPump& pump) {
    qt::QtClock clock;
    NoGamePads pads;
    BenchPlatform bench(clock, pump, pads);
    bench.store.write("MODE", "SHOOTING_MAX", "200");
    bench.store.write("MODE", "SELECT", "4");
    Device device(bench.platform);
    const ui::PictureBook book(1.0);
    ui::DeviceWindow view(device, book);
    ui::GameWindows games(device, book, view);
    bench.window.setWindow(&view);
    startUp(device);
    view.show();
    for (int i = 0; i < 20; ++i) pump.yield(Millis::fromMs(5));

    std::vector<double> moves;
    Millis start;
    Point last = device.windows[SecondaryWindow::VELMIN_1].pos;
    const auto follow = device.windows.onChange;
    device.windows.onChange = [&](SecondaryWindow w) {
        follow(w);
        const Point now = device.windows[w].pos;
        if (w != SecondaryWindow::VELMIN_1 || now == last) return;
        last = now;
        const double at = (clock.tickNow() - start).ms();
        if (at >= kFastFrom && at < kFastTo) moves.push_back(at);
    };
    const double cpuBefore = threadCpuSeconds();
    start = clock.tickNow();
    // Returns when the run is over: the game's loop runs inside START.
    device.dispatcher.Form_KeyDown(device.s.keys.keyCodeStart, 0);
    Result r;
    r.runMs = (clock.tickNow() - start).ms();
    r.cpuShare = (threadCpuSeconds() - cpuBefore) * 1000.0 / r.runMs;
    r.moves = static_cast<int>(moves.size());
    r.movesPerSecond = r.moves * 1000.0 / (kFastTo - kFastFrom);
    std::vector<double> gaps;
    for (std::size_t i = 1; i < moves.size(); ++i) gaps.push_back(moves[i] - moves[i - 1]);
    r.gapP99 = percentile(gaps, 0.99);
    for (double g : gaps) r.gapMax = std::max(r.gapMax, g);
    device.windows.onChange = follow;
    device.s.terminating = true;
    return r;
}

void print(const char* name, const Result& r) {
    std::printf(
        "%-22s run %7.1f ms | legs 2-3: panel moves %4d (%6.1f a second) | gap p99 %5.1f max %5.1f ms | "
        "CPU %5.1f %% of the run\n",
        name, r.runMs, r.moves, r.movesPerSecond, r.gapP99, r.gapMax, 100.0 * r.cpuShare);
}

}  // namespace

int main(int argc, char** argv) {
    // Without a display the moves are counted all the same, on Qt's offscreen windows.
    if (qgetenv("DISPLAY").isEmpty() && qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qt::QtEventPump ours;
    const Result a = measure(ours);
    SpinningPump spinning;
    const Result b = measure(spinning);
    print("device pump", a);
    print("baseline (no waiting)", b);
    const bool smooth = a.movesPerSecond >= 60 && a.gapP99 <= 1000.0 / 60;
    const bool frugal = a.cpuShare * 4 <= b.cpuShare;
    std::printf("at least 60 moves a second, p99 gap <= 16.7 ms: %s | CPU <= 1/4 of baseline (%.1f %%): %s\n",
                smooth ? "yes" : "NO", b.cpuShare > 0 ? 100.0 * a.cpuShare / b.cpuShare : 0.0,
                frugal ? "yes" : "NO");
    return smooth && frugal ? 0 : 1;
}
