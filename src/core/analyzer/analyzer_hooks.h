#pragma once
// The points at which the device calls the press analyzer. Each runs only while the analyzer is on.

namespace tap {

class Device;

class AnalyzerHooks {
public:
    explicit AnalyzerHooks(Device& d) : d_(d) {}

    // The ANALIZER menu item: opens the analyzer window.
    void open();
    void prepareNewRun();
    void startOfLoop();
    void progressBar();
    void liveSecond();
    void speedMeter();
    void endOfRunDisplay();
    void perPress(int kind);
    void statusReset();
    void windowActivated();

private:
    Device& d_;
};

}  // namespace tap
