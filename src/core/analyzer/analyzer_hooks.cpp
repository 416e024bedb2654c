#include "core/analyzer/analyzer_hooks.h"

#include "core/device/device.h"

namespace tap {

// The analyzer window comes with its own work; until it exists the analyzer is never switched on, so the
// hooks have nothing to draw into.
void AnalyzerHooks::open() { (void)d_; }
void AnalyzerHooks::prepareNewRun() {}
void AnalyzerHooks::startOfLoop() { d_.s.tickCount = 0; }
void AnalyzerHooks::progressBar() {}
void AnalyzerHooks::liveSecond() {}
void AnalyzerHooks::speedMeter() {}
void AnalyzerHooks::endOfRunDisplay() {}
void AnalyzerHooks::perPress(int /*kind*/) {}
void AnalyzerHooks::statusReset() {}
void AnalyzerHooks::windowActivated() {}

}  // namespace tap
