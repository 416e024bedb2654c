#include "core/device/lifecycle.h"

#include <exception>

#include "core/device/device.h"

namespace tap {

void Lifecycle::DefaltVar() {
    auto& s = d_.s;
    s.skinNo = 0;
    s.modeNo = 0;
    s.modeLimit = 1;
    s.countB = s.countA = s.countTotal = 0;
    s.shootState = 0;
    s.measuring = false;
    s.clockLoopRunning = false;
    s.countdownState = 0;
    s.slotRunning = 0;
    s.slotStops = 0;
    s.slotReels = 1;
    s.stopwatchState = 0;
    s.stopwatchStarted = false;
    s.watchIsStopwatch = 0;
    s.stopwatchBlinkReset = 1;
    s.holdA = s.holdB = false;
    s.timeMode = 0;
    s.compactView = false;
    s.alarmOn = s.alarmHour = s.alarmMinute = s.alarmSecond = 0;
    s.analyzerOn = s.analyzerLoaded = false;
    s.countdownField = 0;
    s.lastMouseButton = 0;
    s.backSideShown = 0;
    s.resetSeal = 2;
    s.explosionBusy = 0;
    s.padStartPresses = 0;
    s.blastTarget = 16;
    s.blastPhase = 2;
    s.kana = "ガ";
}

bool Lifecycle::Form_Load() {
    d_.p.window.disableInputMethod();
    DefaltVar();
    d_.layout.SetForm();
    d_.layout.DspGraphic();
    try {
        d_.settings.Load_FormSkn();
        d_.settings.Load_FormPos();
        d_.settings.Load_TimeMode();
        d_.settings.Load_MAX();
        d_.settings.loadAlarm();
        d_.settings.loadBackFace();
        d_.settings.Load_KeySetup();
        d_.pad.probe();
        d_.settings.Load_Mode();
        d_.panels.loadPanels();
    } catch (const std::exception& e) {
        d_.p.dialogs.messageBox(e.what(), MessageIcon::Critical, MessageButtons::Ok);
        // The stored settings could not be used: the next start begins from the factory values.
        exitCode_ = 1;
        Form_Unload(2);
        return false;
    }
    return true;
}

void Lifecycle::Form_Activate() { d_.analyzer.windowActivated(); }

void Lifecycle::Form_Unload(std::int16_t cancel) {
    auto& s = d_.s;
    if (s.unloading) return;  // a second close request while the first is saving
    s.unloading = true;
    d_.settings.savePosition();
    if (cancel == 2) d_.settings.factoryReset();
    else d_.settings.save();
    d_.runKeeper.flush(true);
    s.clockLoopRunning = false;
    s.countdownState = 0;
    s.terminating = true;
    d_.p.pump.yield(Millis{});
    d_.p.window.quit(exitCode_);
}

}  // namespace tap
