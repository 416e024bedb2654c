#include "core/device/lifecycle.h"

#include <exception>
#include <optional>

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
        startUpFailed(e.what());
        return false;
    }
    return true;
}

void Lifecycle::enterStoredMode() {
    if (d_.s.unloading) return;  // the program is ending before it got here
    enteringStoredMode_ = true;
    try {
        d_.dispatcher.Form_KeyDown(d_.s.keys.keyCodeSelect, 0);
    } catch (const std::exception& e) {
        if (!enteringStoredMode_) throw;  // the mode was entered and its loop ran: not start-up any more
        enteringStoredMode_ = false;
        startUpFailed(e.what());
        return;
    }
    enteringStoredMode_ = false;
}

void Lifecycle::startUpFailed(const std::string& why) {
    d_.p.dialogs.messageBox(why, MessageIcon::Critical, MessageButtons::Ok);
    // The stored settings could not be used: the next start begins from the factory values.
    exitCode_ = 1;
    Form_Unload(2);
}

void Lifecycle::Form_Activate() { d_.analyzer.windowActivated(); }

void Lifecycle::Form_Unload(std::int16_t cancel, ShutdownBy by) {
    auto& s = d_.s;
    if (s.unloading) {
        // A signal while the first request still shows why the settings could not be saved: end now.
        if (by == ShutdownBy::System) d_.p.window.quit(exitCode_);
        return;
    }
    s.unloading = true;
    std::optional<std::string> failure;
    try {
        d_.settings.savePosition();
        failure = cancel == 2 ? d_.settings.factoryReset() : d_.settings.save();
    } catch (const std::exception& e) {
        failure = e.what();
    }
    if (failure) {
        // Never a silent end: the settings of this session are lost, and the exit code says so.
        exitCode_ = 1;
        saveFailure_ = *failure;
        if (by == ShutdownBy::User)
            d_.p.dialogs.messageBox("設定を保存できませんでした。\n" + saveFailure_, MessageIcon::Critical,
                                    MessageButtons::Ok);
    }
    // Runs not yet stored are written now; a failing store is told on standard error only.
    d_.runKeeper.flush(true);
    s.clockLoopRunning = false;
    s.countdownState = 0;
    s.terminating = true;
    d_.p.pump.yield(Millis{});
    d_.p.window.quit(exitCode_);
}

}  // namespace tap
