#include "core/analyzer/analyzer_hooks.h"

#include <algorithm>

#include "core/device/device.h"

namespace tap {

using Part = AnalyzerWindow::Part;

void AnalyzerHooks::open() {
    auto& s = d_.s;
    s.analyzerOn = true;
    d_.analyzerWindow.show();
    if (s.modeNo != 0) d_.analyzerWindow.setStatus(pics::StatusStandby);
    else if (s.shootState == 1) d_.analyzerWindow.setStatus(pics::StatusArmed);
    d_.p.window.focusDevice();
}

void AnalyzerHooks::updateMenu() {
    d_.menu.item("ANALIZER").enabled = !(d_.s.measuring || d_.s.analyzerOn);
}

void AnalyzerHooks::prepareNewRun() {
    auto& log = d_.log;
    auto& w = d_.analyzerWindow;
    // ResetPressList
    w.list.reset();
    d_.s.timeStart = Millis{};
    log.clearTimeLists();
    w.changed(Part::PressList);

    w.setStatus(pics::StatusArmed);
    for (auto pic : {CanvasPicture::Picture1, CanvasPicture::Picture2, CanvasPicture::pb1}) d_.graphs.clear(pic);
    if (log.prevState != 0) {
        if (!log.previousPinned) log.keepAsPrevious();
        for (int t = 1; t <= 10; ++t) d_.graphs.DrawSeconds(0, t);
    }
    w.ShowRangeScale();
    d_.graphs.DrawSixteenLine();
    w.table.ResetFiguresTable(log);
    w.changed(Part::Table);
    w.changed(Part::Score);
}

void AnalyzerHooks::startOfLoop() {
    auto& w = d_.analyzerWindow;
    d_.s.tickCount = 0;
    w.ShowRangeScale();
    w.options.graphActive = true;
    w.setStatus(pics::StatusMeasuring);
    w.setPageButtonsEnabled(false);
}

void AnalyzerHooks::progressBar() { d_.graphs.progressBar(d_.s.timeNow - d_.s.timeStart); }

void AnalyzerHooks::liveSecond() {
    const int n = d_.log.secondIndex;
    d_.graphs.liveSecond(n);
    if (n != d_.s.shownSecond) {
        d_.analyzerWindow.table.UpdateSecondRow(n, d_.s.shownSecond, d_.log);
        d_.analyzerWindow.changed(Part::Table);
    }
}

void AnalyzerHooks::speedMeter() { d_.graphs.vuMeter(); }

void AnalyzerHooks::endOfRunDisplay() {
    auto& w = d_.analyzerWindow;
    auto& log = d_.log;
    d_.graphs.show_graph2();
    w.resetPageButtons();
    w.setPageButtonsEnabled(true);
    w.setStatus(pics::StatusFinished);
    log.prevState = log.prevState == 0 ? 1 : 2;
    w.FillTimeLists();
    w.changed(Part::Score);
}

void AnalyzerHooks::perPress(PressKind kind) {
    const auto& s = d_.s;
    const int n = s.countTotal;
    const Millis time = n == 1 ? Millis{} : s.timeNow - s.timeStart;
    if (!d_.log.logPressTime(kind, n, time)) return;
    d_.analyzerWindow.list.addPress(n, kind, time);
    d_.analyzerWindow.changed(Part::PressList);
    d_.analyzerWindow.changed(Part::Score);
}

void AnalyzerHooks::statusReset() {
    if (d_.s.analyzerOn) d_.analyzerWindow.setStatus(pics::StatusStandby);
}

void AnalyzerHooks::compareWith(const std::array<int, PressLog::kSeconds>& a,
                                const std::array<int, PressLog::kSeconds>& b) {
    auto& log = d_.log;
    auto& w = d_.analyzerWindow;
    if (d_.s.measuring) return;
    if (!d_.s.analyzerOn) open();
    log.setPrevious(a, b);
    log.previousPinned = true;
    // A graph that has shown a run shows it in front of the compared one; a graph that has not shows the
    // compared run alone. Either way the next readying treats the previous series as meaningful.
    log.prevState = w.options.graphActive ? 2 : std::max<std::int16_t>(log.prevState, 1);
    d_.graphs.RedrawGraph();
    w.table.refreshPrevious(log);
    w.changed(Part::Table);
    d_.p.window.focusDevice();
}

void AnalyzerHooks::windowActivated() {
    if (d_.s.analyzerOn) d_.analyzerWindow.setBanner(1);
}

}  // namespace tap
