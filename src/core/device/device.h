#pragma once
// The device: its shared state, its face and menu models, its timers, and the components that give it
// behaviour. It wires them together and holds no behaviour of its own.
#include <memory>

#include "core/analyzer/analyzer_hooks.h"
#include "core/analyzer/analyzer_window.h"
#include "core/analyzer/graphs.h"
#include "core/analyzer/press_log.h"
#include "core/appearance/explosion_game.h"
#include "core/appearance/face.h"
#include "core/appearance/face_layout.h"
#include "core/appearance/menu.h"
#include "core/appearance/panel_pictures.h"
#include "core/appearance/secondary_windows.h"
#include "core/appearance/view_control.h"
#include "core/appearance/window_shapes.h"
#include "core/device/device_state.h"
#include "core/device/dispatcher.h"
#include "core/device/face_mouse.h"
#include "core/device/game_pad_poll.h"
#include "core/device/lifecycle.h"
#include "core/device/onscreen_buttons.h"
#include "core/device/settings.h"
#include "core/keysetup/key_setup.h"
#include "core/modes/back_face.h"
#include "core/modes/clock_mode.h"
#include "core/modes/countdown_alarm.h"
#include "core/modes/mode_switch.h"
#include "core/modes/segment_display.h"
#include "core/modes/shooting.h"
#include "core/modes/slot_game.h"
#include "core/modes/stopwatch.h"
#include "core/platform.h"
#include "core/records/history_window.h"
#include "core/records/run_keeper.h"
#include "core/records/run_recorder.h"

namespace tap {

class Device {
public:
    explicit Device(Platform& platform);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    Platform& p;
    DeviceState s;
    PressLog log;
    Face face;
    SecondaryWindows windows;

    Settings settings{*this};
    Lifecycle lifecycle{*this};
    Dispatcher dispatcher{*this};
    GamePadPoll pad{*this};
    OnScreenButtons buttons{*this};
    FaceMouse mouse{*this};
    FaceLayout layout{*this};
    WindowShapes shapes{*this};
    ViewControl view{*this};
    SegmentDisplay display{*this};
    ModeSwitch modes{*this};
    Shooting shooting{*this};
    BackFace backFace{*this};
    ClockMode clock{*this};
    Stopwatch stopwatch{*this};
    CountdownAlarm countdown{*this};
    SlotGame slot{*this};
    ExplosionGame explosion{*this};
    AnalyzerGraphs graphs{*this};
    AnalyzerWindow analyzerWindow{*this};
    PanelPictures panels{*this};
    AnalyzerHooks analyzer{*this};
    KeySetup keySetup{*this};
    RunRecorder recorder;
    RunKeeper runKeeper{*this};
    HistoryWindow history{*this};

    Menu menu;

    // The main window's timers: the pad poll and the four blinks.
    std::unique_ptr<Timer> padPollTimer;
    std::unique_ptr<Timer> ScoreBlink;
    std::unique_ptr<Timer> KoroBlink;
    std::unique_ptr<Timer> AlarmBlink;
    std::unique_ptr<Timer> Timer1;

    // Lets events in from a mode loop; the loops' only way to see input.
    void yieldFor(Millis maxWait) {
        lifecycle.loopRunning();
        p.pump.yield(maxWait);
    }
    // A mode loop keeps running while its own flag holds and the program is not ending.
    bool running(bool loopFlag) const { return loopFlag && !s.terminating; }
};

}  // namespace tap
