#pragma once
// The platform on virtual time. Each yield advances the clock by one pass; scripted events are delivered
// inside yield at their virtual time, so handlers nest exactly as in the real program.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/platform.h"
#include "tests/support/sim_canvas.h"
#include "tests/support/sim_records.h"

namespace tap::sim {

struct RecordedNotice {
    std::string message;
    bool topmostWhileShown;
    double openedAtMs;
    double closedAtMs;
    int beeps;  // while it was shown
};

struct RecordedMessage {
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
    bool topmostWhileShown;
};

class SimPlatform : public Clock,
                    public TimerFactory,
                    public EventPump,
                    public Dialogs,
                    public WindowOps,
                    public SettingsStore,
                    public GamePads,
                    public Sound,
                    public RandomSource {
public:
    // `drawing` replaces the recording canvas, for views that show real pictures.
    explicit SimPlatform(Canvas* drawing = nullptr);
    ~SimPlatform() override;

    Platform& platform() { return platform_; }

    // ---- virtual time ----
    Millis now() const { return now_; }
    // How far one yield moves the clock.
    Millis passLength = Millis::fromMs(1);
    // Queue `action` at virtual time `at` (ms since the simulation began).
    void at(double ms, std::function<void()> action);
    // Advance time, delivering events and timers, as the idle event loop would.
    void runUntil(double ms);
    void runFor(double ms) { runUntil(now_.ms() - kEpoch.ms() + ms); }
    // Delay the next pass by `ms` (a stalled loop).
    void stallNextPass(double ms) { stall_ = Millis::fromMsDouble(ms); }
    double elapsedMs() const { return (now_ - kEpoch).ms(); }
    int yieldCount = 0;
    Millis lastMaxWait;

    // ---- time of day ----
    TimeOfDay timeOfDayValue{12, 0, 0};
    // Time of day advancing with virtual time from `start`.
    void setTimeOfDay(TimeOfDay start);
    // The date the local time reads, with the time of day above.
    CalendarTime date{2024, 5, 1, 0, 0, 0, 9 * 60};

    // ---- dialogs ----
    std::deque<MessageAnswer> answers;  // next answers; Ok when empty
    std::vector<RecordedMessage> messages;
    std::function<void(const std::string&)> onMessage;  // runs while the box is "open"
    std::vector<RecordedNotice> notices;
    // Paths the user picks in the next file dialogs (nullopt: cancelled; cancelled when empty), and the
    // dialogs shown.
    std::deque<std::optional<std::string>> fileChoices;
    std::vector<FileDialogRequest> fileDialogs;
    // How long the user takes to press OK on an alarm notice; time runs and timers fire meanwhile.
    double noticeOkAfterMs = 1000;

    // ---- window ----
    bool alwaysOnTop = false;
    std::optional<WindowShape> shape;
    Point windowPos;
    Size screen{1024, 768};
    bool minimised = false;
    bool inputMethodDisabled = false;
    int popupCount = 0;
    std::optional<int> quitCode;
    std::vector<WindowShape> shapeHistory;

    // ---- settings ----
    std::map<std::string, std::string> store;  // "SECTION/KEY" -> text
    int flushCount = 0;
    std::optional<std::string> value(const std::string& section, const std::string& key) const;

    // ---- pads, sound, random ----
    std::map<int, std::uint32_t> padMasks;  // joysticks that answer
    int beeps = 0;
    SimCanvas canvas;
    SimRunStore runs;
    SimFiles files;

    // Clock
    Millis tickNow() override { return now_; }
    TimeOfDay timeOfDay() override;
    std::string timeOfDayText() override;
    CalendarTime localTime() override;
    // TimerFactory
    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override;
    // EventPump
    void yield(Millis maxWait) override;
    void post(std::function<void()> task) override;
    // Dialogs
    MessageAnswer messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons) override;
    void alarmNotice(AlarmNotice& notice) override;
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;
    // WindowOps
    void setAlwaysOnTop(bool onTop) override { alwaysOnTop = onTop; }
    void setShape(const WindowShape& s) override {
        shape = s;
        shapeHistory.push_back(s);
    }
    Point position() override { return windowPos; }
    void move(Point p) override { windowPos = p; }
    void minimise() override { minimised = true; }
    void disableInputMethod() override { inputMethodDisabled = true; }
    Size screenSize() override { return screen; }
    void showPopupMenu(Point) override { ++popupCount; }
    int activations = 0;
    void activate() override { ++activations; }
    void quit(int exitCode) override {
        if (!quitCode) quitCode = exitCode;
    }
    // SettingsStore
    std::optional<std::string> read(const std::string& section, const std::string& key) override {
        return value(section, key);
    }
    void write(const std::string& section, const std::string& key, const std::string& v) override {
        store[section + "/" + key] = v;
    }
    void flush() override { ++flushCount; }
    // GamePads
    std::optional<std::uint32_t> buttons(int joystick) override;
    // Sound
    void beep() override { ++beeps; }
    // RandomSource
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

private:
    struct SimTimer;
    struct Scheduled {
        Millis at;
        std::uint64_t seq;
        std::function<void()> action;
    };
    static constexpr Millis kEpoch = Millis::fromMs(1000000);
    // Deliver everything due at or before `now_`.
    void deliverDue();
    Millis nextDue() const;

    Millis now_ = kEpoch;
    Millis stall_{};
    std::uint64_t seq_ = 0;
    std::vector<Scheduled> events_;
    std::deque<std::function<void()>> posted_;
    std::vector<SimTimer*> timers_;
    std::optional<TimeOfDay> todStart_;
    Millis todStartTick_{};
    std::mt19937 rng_{12345};
    Platform platform_;
};

}  // namespace tap::sim
