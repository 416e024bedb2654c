#pragma once
// The device's shared state, named as in its behaviour. Components work on it; none of them owns it.
// Booleans are bool; values that are stored or compared as numbers keep their 16-bit type.
#include <cstdint>
#include <string>

#include "core/geometry.h"
#include "core/millis.h"

namespace tap {

using i16 = std::int16_t;

struct KeyAssignment {
    i16 keyCodeSelect = -1;
    i16 keyCodeStart = -1;
    i16 keyCodeB = -1;
    i16 keyCodeA = -1;
    i16 padButtonSelect = -1;
    i16 padButtonStart = -1;
    i16 padButtonB = -1;
    i16 padButtonA = -1;
};

struct DeviceState {
    // Appearance
    i16 skinNo = 0;
    bool compactView = false;

    // Modes
    i16 modeNo = 0;
    i16 modeLimit = 1;

    // Shooting measurement
    i16 countB = 0, countA = 0, countTotal = 0;
    i16 shootState = 0;  // 0 idle, 1 armed, 2 measuring, 3 finished
    bool measuring = false;
    i16 bestRecord = 0;
    bool newRecordBlink = false;
    i16 scoreBlinkPhase = 1;
    Millis timeNow, timeStart, timeLast, timeSince;
    i16 slotIndex = 0;
    std::int32_t tickCount = 0;
    double speedA = 0, speedB = 0, peakA = 0, peakB = 0;
    i16 shownSecond = 0;

    // Clock
    bool clockLoopRunning = false;
    i16 timeMode = 0;
    bool koroClock = false;
    i16 koroBlinkPhase = 1;

    // Alarm
    i16 alarmOn = 0, alarmHour = 0, alarmMinute = 0, alarmSecond = 0;
    bool alarmEditing = false;
    i16 alarmField = 0;
    i16 alarmBlinkPhase = 1;

    // Countdown
    i16 countdownState = 0, countdownField = 0, countdownMinutes = 0, countdownSeconds = 0;

    // Stopwatch
    i16 stopwatchState = 0;
    bool stopwatchStarted = false;
    i16 watchIsStopwatch = 0;
    i16 stopwatchBlinkReset = 1;
    i16 swTenMinutes = 0, swMinutes = 0, swTenSeconds = 0, swSeconds = 0, swTenths = 0, swHundredths = 0;

    // Slot game
    i16 slotRunning = 0, slotStops = 0, slotReels = 1;

    // Explosion game
    i16 explosionBusy = 0;
    i16 blastTarget = 16, blastCount = 0, blastPhase = 2;

    // Input
    KeyAssignment keys;
    bool holdA = false, holdB = false;
    i16 lastMouseButton = 0;
    bool padHoldSelect = false, padHoldStart = false, padHoldB = false, padHoldA = false;
    i16 padStartPresses = 0;
    Point dragAnchor;

    // Back face
    i16 backSideShown = 0;
    i16 resetSeal = 2;
    i16 sideAtStart = 0;
    bool dotWasVisible = false;

    // View-size conversion memory of the six digit positions
    i16 shownIndex1000 = 0, shownIndex0100 = 0, shownIndex0010 = 0, shownIndex0001 = 0, shownIndex10 = 0,
        shownIndex01 = 0;

    // Analyzer
    bool analyzerOn = false, analyzerLoaded = false;

    // Lifecycle
    i16 startCount = 0;
    std::string kana;  // one-character text set at start-up
    bool unloading = false;
    // Set by shutdown; every mode loop tests it so the program ends promptly from inside any loop.
    bool terminating = false;
};

}  // namespace tap
