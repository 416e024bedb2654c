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
#include <set>
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
    // Instead: a yield waits as the real one does, until the next event or timer or for maxWait, and a
    // pass costs passLength.
    bool waitsAsAsked = false;
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
    // How long the user takes to press OK on an alarm notice; time runs and timers fire meanwhile.
    double noticeOkAfterMs = 1000;
    // The file dialog's next answers (a path, or nothing for Cancel); Cancel when empty.
    std::deque<std::optional<std::string>> fileChoices;
    std::vector<std::vector<FileFilter>> fileDialogs;  // the filters of every file dialog shown
    std::vector<std::string> savedAs;                  // the names offered by every save dialog shown
    // Files that read as pictures; any other path is not a readable picture.
    std::set<std::string> pictureFiles;
    struct Picture : UserPicture {
        explicit Picture(std::string p) : path(std::move(p)) {}
        std::string path;
    };

    // ---- window ----
    bool alwaysOnTop = false;
    std::optional<WindowShape> shape;
    Point windowPos;
    Size screen{1024, 768};
    Point screenOrigin;  // of the screen the device is on, within the desktop
    int focusCount = 0;  // times the device was given the keyboard focus back
    bool minimised = false;
    bool inputMethodDisabled = false;
    int popupCount = 0;
    std::optional<int> quitCode;
    std::vector<WindowShape> shapeHistory;

    // ---- settings ----
    std::map<std::string, std::string> store;  // "SECTION/KEY" -> text
    int flushCount = 0;
    std::optional<std::string> flushFailure;  // set: every flush fails with this reason
    std::function<void(const std::string& sectionKey)> beforeRead;  // may throw, as a failing read would
    std::optional<std::string> value(const std::string& section, const std::string& key) const;

    // ---- key setup dialog ----
    int keySetupShown = 0;
    bool topmostWhileKeySetup = false;
    // How long the user leaves the dialog open before it is cancelled, unless a scripted OK or Cancel
    // closes it first; time runs and scripted events arrive meanwhile.
    double keySetupCancelAfterMs = 60000;

    // ---- pads, sound, random ----
    // The pads as they are: joysticks plugged in and their buttons. The device sees them after an update.
    std::map<int, std::uint32_t> padMasks;
    std::map<int, std::string> padNames;
    void plugPad(int joystick, std::string name = "Sim pad");
    void unplugPad(int joystick);
    // A button going down or up now, with an edge of its own.
    void padButton(int joystick, int button, bool down);
    int padUpdates = 0;
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
    std::optional<std::string> openFile(const std::vector<FileFilter>& filters) override;
    std::optional<std::string> saveFile(const std::string& suggestedName, const std::vector<FileFilter>& filters) override;
    std::shared_ptr<const UserPicture> readPicture(const std::string& path) override;
    void keySetup(KeySetupDialog& dialog) override;
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
    Rect screenArea() override {
        const Point o = screenOrigin;
        return {o.x, o.y, o.x + screen.width, o.y + screen.height};
    }
    void focusDevice() override { ++focusCount; }
    void showPopupMenu(Point) override { ++popupCount; }
    void quit(int exitCode) override {
        if (!quitCode) quitCode = exitCode;
    }
    // SettingsStore
    std::optional<std::string> read(const std::string& section, const std::string& key) override {
        if (beforeRead) beforeRead(section + "/" + key);
        return value(section, key);
    }
    void write(const std::string& section, const std::string& key, const std::string& v) override {
        store[section + "/" + key] = v;
    }
    std::optional<std::string> flush() override {
        ++flushCount;
        return flushFailure;
    }
    // GamePads
    void update() override;
    int attached() override { return static_cast<int>(seenMasks_.size()); }
    std::optional<PadReading> read(int joystick) override;
    std::string name(int joystick) override;
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
    std::map<int, std::vector<PadEdge>> padEdges_;  // not yet taken in by an update
    std::map<int, std::uint32_t> seenMasks_;         // as of the last update
    std::map<int, std::vector<PadEdge>> seenEdges_;  // taken in, not yet read
    std::mt19937 rng_{12345};
    Platform platform_;
};

}  // namespace tap::sim
