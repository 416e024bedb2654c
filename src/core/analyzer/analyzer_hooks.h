#pragma once
// The points at which the device calls the press analyzer, in the order the device runs them.

#include <array>

#include "core/analyzer/press_log.h"

namespace tap {

class Device;

class AnalyzerHooks {
public:
    explicit AnalyzerHooks(Device& d) : d_(d) {}

    // The ANALIZER menu item: shows the analyzer window beside the device and gives the keys back to it.
    void open();
    // Opening the device's pop-up menu: the analyzer can be opened only between runs while it is closed.
    void updateMenu();
    // START readies a run: the latest run becomes the previous one (once the analyzer has been loaded).
    void prepareNewRun();
    void startOfLoop();
    void progressBar();
    void liveSecond();
    void speedMeter();
    void endOfRunDisplay();
    // A counted press while the analyzer is on (LogPress).
    void perPress(PressKind kind);
    // The device left the shooting mode or its record was reset.
    void statusReset();
    // The device window became active.
    void windowActivated();
    // A stored run's presses per second of A and B become the previous run, shown at once and kept for the
    // next run to be compared with. Between runs only; opens the analyzer when it is closed.
    void compareWith(const std::array<int, PressLog::kSeconds>& a, const std::array<int, PressLog::kSeconds>& b);

private:
    Device& d_;
};

}  // namespace tap
