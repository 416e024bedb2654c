#include "core/analyzer/graphs.h"

#include "core/analyzer/graph_geometry.h"
#include "core/analyzer/time_text.h"
#include "core/device/device.h"

namespace tap {

using namespace graph;

namespace {
constexpr auto P1 = CanvasPicture::Picture1;
constexpr auto P2 = CanvasPicture::Picture2;
constexpr auto PB = CanvasPicture::pb1;
constexpr Millis kRunEnd = Millis::fromMs(10000);
}  // namespace

Canvas& AnalyzerGraphs::canvas() { return d_.p.canvas; }

void AnalyzerGraphs::clear(CanvasPicture pic) {
    canvas().clear(pic);
    if (pic == P1) lastLive_.reset(), lastProgress_.reset();
    if (pic == P2) lastMeter_.reset();
}

void AnalyzerGraphs::DrawSeconds(int mode, int t) {
    if (t < 1 || t > 10) return;
    const auto& log = d_.log;
    if (mode == 0 || mode == 2) {
        drawSeries(true, t);
        canvas().line(P1, {kBaselineLeft, kBaseline}, {kBaselineRight, kBaseline}, kLatest);
        if (mode == 0) return;
    }
    const int n = log.secondCountAB[t - 1];
    canvas().text(P1, {countLabelX(t, n), countLabelY(n, d_.analyzerWindow.options.rangeIndex)}, std::to_string(n),
                  kLatest);
    drawSeries(false, t);
}

void AnalyzerGraphs::liveSecond(int t) {
    if (t < 1 || t > 10) return;
    const bool average = d_.analyzerWindow.options.dataKind == 1;
    auto v = [&](Series3 w, int i) { return i >= 0 ? d_.log.series(false, average, w)[i] : std::int16_t{0}; };
    const LiveSecond now{t,
                         {v(Series3::AB, t - 1), v(Series3::B, t - 1), v(Series3::A, t - 1), v(Series3::AB, t - 2),
                          v(Series3::B, t - 2), v(Series3::A, t - 2)}};
    if (lastLive_ == now) return;
    lastLive_ = now;
    DrawSeconds(1, t);
}

void AnalyzerGraphs::drawSeries(bool previous, int t) {
    const Rgb colour = previous ? kPrevious : kLatest;
    if (d_.analyzerWindow.options.graphType == 0) drawBars(previous, t, colour);
    else drawLines(previous, t, colour);
}

void AnalyzerGraphs::drawBars(bool previous, int t, Rgb colour) {
    const auto& o = d_.analyzerWindow.options;
    const bool average = o.dataKind == 1;
    auto bar = [&](Span s, Series3 w, Rgb fill) {
        const int y = valueY(d_.log.series(previous, average, w)[t - 1], o.rangeIndex);
        canvas().box(P1, {s.left, kBaseline}, {s.right, y}, colour, fill);
    };
    if (o.valueMode == 0) {
        bar(summedBar(t), Series3::AB, colour);
    } else {
        bar(separateBarB(t), Series3::B, colour);
        bar(separateBarA(t), Series3::A, kBlack);
    }
}

void AnalyzerGraphs::drawLines(bool previous, int t, Rgb colour) {
    const auto& o = d_.analyzerWindow.options;
    const bool average = o.dataKind == 1;
    auto trace = [&](Series3 w, LineStyle style, Rgb boxFill) {
        const auto& s = d_.log.series(previous, average, w);
        const Point here{columnX(t), valueY(s[t - 1], o.rangeIndex)};
        if (t >= 2) canvas().line(P1, {columnX(t - 1), valueY(s[t - 2], o.rangeIndex)}, here, colour, style);
        canvas().box(P1, {here.x - 2, here.y - 2}, {here.x + 2, here.y + 2}, colour, boxFill);
    };
    if (o.valueMode == 0) {
        trace(Series3::AB, LineStyle::Solid, colour);
    } else {
        trace(Series3::B, LineStyle::Dotted, colour);
        trace(Series3::A, LineStyle::Solid, kBlack);
    }
}

void AnalyzerGraphs::RedrawGraph() {
    const auto& s = d_.s;
    const auto& log = d_.log;
    clear(P1);
    if (d_.analyzerWindow.options.graphActive) {
        const bool runShown = s.shootState == 1 || log.showPrevious;
        if (!runShown) progressBar(kRunEnd);
        DrawSixteenLine();
        for (int t = 1; t <= 10; ++t) {
            if (runShown) DrawSeconds(0, t);
            else if (log.prevState == 1) DrawSeconds(1, t);
            else if (log.prevState == 2) DrawSeconds(2, t);
        }
    } else {
        DrawSixteenLine();
        // Before any run with the analyzer open, a stored run chosen for comparison stands alone.
        if (log.previousPinned)
            for (int t = 1; t <= 10; ++t) DrawSeconds(0, t);
    }
    d_.analyzerWindow.ShowRangeScale();
}

void AnalyzerGraphs::DrawSixteenLine() {
    if (!d_.analyzerWindow.options.lineShown) return;
    const int y = sixteenLineY(d_.analyzerWindow.options.rangeIndex);
    canvas().line(P1, {kSixteenLeft, y}, {kSixteenRight, y}, kSixteen);
}

void AnalyzerGraphs::progressBar(Millis elapsed) {
    const int right = progressRight(elapsed);
    if (lastProgress_ && *lastProgress_ >= right) return;
    // Only the part not drawn yet: the earlier part is on the picture already.
    const int left = lastProgress_ ? *lastProgress_ : kProgressLeft;
    for (int y : kProgressRows) canvas().line(P1, {left, y}, {right, y}, kLatest);
    lastProgress_ = right;
}

void AnalyzerGraphs::vuMeter() {
    const auto& s = d_.s;
    const bool both = d_.analyzerWindow.options.vuBoth;
    const int upper = level(both ? s.speedA + s.speedB : s.speedB);
    const int lower = level(both ? s.speedA + s.speedB : s.speedA);
    const int upperPeak = level(both ? s.peakA + s.peakB : s.peakB);
    const int lowerPeak = level(both ? s.peakA + s.peakB : s.peakA);
    const std::array<int, 4> now{upper, lower, upperPeak, lowerPeak};
    if (lastMeter_ == now) return;
    lastMeter_ = now;
    drawMeterRow(3, 7, upper, upperPeak);
    drawMeterRow(10, 14, lower, lowerPeak);
}

void AnalyzerGraphs::drawMeterRow(int top, int bottom, int lit, int peak) {
    // A bar or marker that ran past the end of the unlit track leaves no trace when it falls back.
    const int width = canvasSize(P2).width;
    canvas().clear(P2, Rect{kVuUnlitRight + 1, top, width, bottom + 1});
    canvas().box(P2, {kVuLeft, top}, {vuRight(lit), bottom}, kLatest, kLatest);
    if (vuRight(lit) <= kVuUnlitRight) canvas().box(P2, {vuRight(lit), bottom}, {kVuUnlitRight, top}, kUnlit, kUnlit);
    canvas().box(P2, {vuRight(peak), top}, {vuRight(peak) + 2, bottom}, kLatest, kLatest);
}

void AnalyzerGraphs::show_graph2() {
    const auto& log = d_.log;
    chartRows(log.pressTimeB, log.releaseTimeB, log.loggedPressesB, 38);
    chartRows(log.pressTimeA, log.releaseTimeA, log.loggedPressesA, 38 + 51);
}

void AnalyzerGraphs::chartRows(const PressLog::TimeList& presses, const PressLog::TimeList& releases, int logged,
                               int top) {
    const int bottom = top + 31, upY = top + 30;
    for (int k = 0; k < logged; ++k) {
        const int press = chartX(presses[k]);
        const int release = chartX(releases[k]);
        // After the last release the button stays up to the end of the run.
        const int next = chartX(k + 1 < logged ? presses[k + 1] : kRunEnd);
        canvas().line(PB, {press, top}, {press, bottom}, kLatest);
        canvas().line(PB, {release, top}, {release, bottom}, kLatest);
        canvas().line(PB, {press, top}, {release, top}, kLatest);
        canvas().line(PB, {release, upY}, {next, upY}, kLatest);
    }
}

void AnalyzerGraphs::printChartTimes() {
    const auto& log = d_.log;
    auto print = [&](const PressLog::TimeList& presses, const PressLog::TimeList& releases, int logged, int dy) {
        for (int k = 0; k < logged; ++k) {
            canvas().text(PB, {chartTextX(presses[k]), 29 + dy}, secondsText(presses[k]), kLatest);
            canvas().text(PB, {chartTextX(releases[k]), 69 + dy}, secondsText(releases[k]), kLatest);
        }
    };
    print(log.pressTimeB, log.releaseTimeB, log.loggedPressesB, 0);
    print(log.pressTimeA, log.releaseTimeA, log.loggedPressesA, 51);
}

}  // namespace tap
