#pragma once
// A started device in the shooting mode with the analyzer open beside it (unless asked otherwise).
#include "tests/support/scenario.h"

namespace tap::sim {

struct AnalyzerScene : Scenario {
    static constexpr double kT0 = 100;  // the first press of a run

    explicit AnalyzerScene(bool openAnalyzer = true) {
        start();
        if (openAnalyzer) open();
    }
    void open() { dev.menu.choose("ANALIZER"); }
    AnalyzerWindow& window() { return dev.analyzerWindow; }
    const PressLog& log() const { return dev.log; }
    SimCanvas& canvas() { return sim.canvas; }
    Rgb pixel(CanvasPicture pic, int x, int y) const { return sim.canvas.pixel(pic, x, y); }

    // START, then `perSecond[s]` presses spread over second s (the first at the run's start, the others
    // clear of the second's bounds), A and B taking turns; the run is waited out.
    void run(const std::vector<int>& perSecond, double from = -1) {
        const double t0 = from < 0 ? sim.elapsedMs() + kT0 : from;
        startButton();
        int n = 0;
        for (std::size_t s = 0; s < perSecond.size(); ++s)
            for (int i = 0; i < perSecond[s]; ++i)
                pressAt(t0 + 1000.0 * s + (s ? 2 : 0) + (990.0 / perSecond[s]) * i, n++ % 2 ? VK_C : VK_V, 2);
        sim.runUntil(t0 + 10200);
    }
};

}  // namespace tap::sim
