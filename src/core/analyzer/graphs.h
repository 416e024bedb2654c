#pragma once
// The analyzer's pictures drawn from the press log: the per-second graph with the previous run behind it,
// the progress bar, the 16-press line, the speed meter and the timing chart. Drawing happens inside the
// measuring loop's passes, so each routine skips what would only paint the same pixels again.
#include <array>
#include <optional>

#include "core/analyzer/press_log.h"
#include "core/canvas.h"

namespace tap {

class Device;

class AnalyzerGraphs {
public:
    explicit AnalyzerGraphs(Device& d) : d_(d) {}

    // Second t (1..10) of the graph. mode 0: the previous run only; 1: the latest only; 2: both.
    void DrawSeconds(int mode, int t);
    // The measuring loop's pass: the latest run's second t, unless its figures are drawn already.
    void liveSecond(int t);
    // Clears the graph and draws everything again for the current options.
    void RedrawGraph();
    void DrawSixteenLine();
    // The measuring loop's pass: the progress bar up to the time elapsed.
    void progressBar(Millis elapsed);
    // The measuring loop's 10 ms tick: the speed meter from the current levels.
    void vuMeter();
    // The timing chart of every logged press and release.
    void show_graph2();
    // The press and release times printed in seconds on the timing chart.
    void printChartTimes();
    // Clears a picture back to its background.
    void clear(CanvasPicture pic);

private:
    void drawSeries(bool previous, int t);
    void drawBars(bool previous, int t, Rgb colour);
    void drawLines(bool previous, int t, Rgb colour);
    void drawMeterRow(int top, int bottom, int lit, int peak);
    void chartRows(const PressLog::TimeList& presses, const PressLog::TimeList& releases, int logged, int top);
    Canvas& canvas();

    // What the live graph last drew, so that a pass that would draw the same second again draws nothing.
    struct LiveSecond {
        int t;
        std::array<std::int16_t, 6> values;
        friend bool operator==(const LiveSecond&, const LiveSecond&) = default;
    };
    std::optional<LiveSecond> lastLive_;
    std::optional<int> lastProgress_;
    std::optional<std::array<int, 4>> lastMeter_;
    Device& d_;
};

}  // namespace tap
