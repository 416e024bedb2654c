#pragma once
// The seam through which the device reaches the world. Real implementations live in src/platform,
// the simulated one (virtual time) in tests/support. Everything is passed in, nothing is global.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar_time.h"
#include "core/canvas.h"
#include "core/geometry.h"
#include "core/millis.h"
#include "core/records/recorded_run.h"

namespace tap {

struct TimeOfDay {
    int hour = 0;  // 0-23
    int minute = 0;
    int second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic, sub-millisecond, never wraps, never 0.
    virtual Millis tickNow() = 0;
    virtual TimeOfDay timeOfDay() = 0;
    // The time of day in the platform's own format, for texts shown to the user.
    virtual std::string timeOfDayText() = 0;
    // The local date and time, for dating runs.
    virtual CalendarTime localTime() = 0;
};

class Timer {
public:
    virtual ~Timer() = default;
    // 0 stops the timer; any other value (re)starts it with that period.
    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTick) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Let pending events run once, waiting at most maxWait for one to arrive. Calls nest.
    virtual void yield(Millis maxWait) = 0;
    // Run `task` from the event loop once the current handler has returned.
    virtual void post(std::function<void()> task) = 0;
};

class AlarmNotice;
class KeySetupDialog;

enum class MessageIcon { None, Information, Critical };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

// One entry of a file dialog's type list: the text shown and the patterns, e.g. "*.jpg;*.jpeg".
struct FileFilter {
    std::string description;
    std::string patterns;
};

// A picture the user chose from a file, decoded by the platform; the views know how to show it.
class UserPicture {
public:
    virtual ~UserPicture() = default;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Modal message box with the application's title.
    virtual MessageAnswer messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons) = 0;
    // Shows the alarm notice modally, centred on the screen; returns once the user has confirmed it.
    virtual void alarmNotice(AlarmNotice& notice) = 0;
    // The modal file-open dialog: the chosen file, or nothing when the user cancels.
    virtual std::optional<std::string> openFile(const std::vector<FileFilter>& /*filters*/) {
        return std::nullopt;
    }
    // The modal file-save dialog, offering `suggestedName`: the chosen file, or nothing when the user cancels.
    virtual std::optional<std::string> saveFile(const std::string& /*suggestedName*/,
                                                const std::vector<FileFilter>& /*filters*/) {
        return std::nullopt;
    }
    // Decodes a picture file within size and memory limits; null when it is not a readable picture.
    virtual std::shared_ptr<const UserPicture> readPicture(const std::string& /*path*/) { return nullptr; }
    // Shows the key setup dialog modally over the device; returns once it has closed itself.
    virtual void keySetup(KeySetupDialog& dialog) = 0;
};

// Outline: rounded rectangle with the given corner ellipse; hole: the ellipse inscribed in `hole`.
struct WindowShape {
    Rect outline;
    Size corner;
    Rect hole;
    friend bool operator==(const WindowShape&, const WindowShape&) = default;
};

class WindowOps {
public:
    virtual ~WindowOps() = default;
    virtual void setAlwaysOnTop(bool onTop) = 0;
    virtual void setShape(const WindowShape& shape) = 0;
    virtual Point position() = 0;
    virtual void move(Point topLeft) = 0;
    virtual void minimise() = 0;
    // Keys reach the device as plain key codes, never through an input method.
    virtual void disableInputMethod() = 0;
    virtual Size screenSize() = 0;
    // The screen the device is on, in the desktop's pixel coordinates.
    virtual Rect screenArea() {
        const Size s = screenSize();
        return {0, 0, s.width, s.height};
    }
    // Gives the keyboard focus back to the device after another of its windows was shown.
    virtual void focusDevice() {}
    virtual void showPopupMenu(Point screenPos) = 0;
    // Ends the application's event loop; every running mode loop has been told to stop before.
    virtual void quit(int exitCode) = 0;
};

// Text values by section and key under the application's own name.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> read(const std::string& section, const std::string& key) = 0;
    virtual void write(const std::string& section, const std::string& key, const std::string& value) = 0;
    // Make every write so far durable. Nothing when that worked; otherwise why not, naming the file or
    // key (the values stay in memory, and the next flush tries again).
    virtual std::optional<std::string> flush() = 0;
};

// A button of a pad going down or up, with the clock reading of the update that took it in.
struct PadEdge {
    int button = 0;  // 0 is the first button
    bool down = false;
    Millis at;
};

struct PadReading {
    std::uint32_t buttons = 0;   // bit n set: button n is down
    std::vector<PadEdge> edges;  // not read before, oldest first
};

// Joysticks 0-15. A pad keeps its number while it stays plugged in; a new pad takes the lowest free one.
class GamePads {
public:
    virtual ~GamePads() = default;
    // Takes in what the pads did since the last call: pads plugged in or out, button edges.
    virtual void update() = 0;
    // How many pads answer, as of the last update.
    virtual int attached() = 0;
    // A joystick as of the last update, with its edges since the last read; nullopt when it does not answer.
    virtual std::optional<PadReading> read(int joystick) = 0;
    // The pad's own name, for showing; empty when the joystick does not answer.
    virtual std::string name(int joystick) = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void beep() = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
};

// Files the user names: read whole up to a bound, and written whole or not at all.
struct FileText {
    std::optional<std::string> text;
    std::string error;  // why the file could not be read, for the user
};

class UserFiles {
public:
    virtual ~UserFiles() = default;
    virtual FileText read(const std::string& path, std::size_t maxBytes) = 0;
    // Empty when the file was written; otherwise why not, for the user.
    virtual std::string write(const std::string& path, const std::string& text) = 0;
};

struct StoreStatus {
    std::string error;  // empty when the operation succeeded
    std::string note;   // what the user should hear even so, e.g. that a damaged file was set aside
    bool ok() const { return error.empty(); }
};

// The stored runs. Each operation opens the store when it is not open yet.
class RunStore {
public:
    virtual ~RunStore() = default;
    // Where the runs are kept, for the user.
    virtual std::string location() const = 0;
    // A finished run with its summary, in one step: all of it or nothing. `id` becomes the run's id.
    virtual StoreStatus add(const RecordedRun& run, const RunSummary& summary, std::int64_t& id) = 0;
    // The summaries of every stored run, the oldest first.
    virtual StoreStatus summaries(std::vector<RunSummary>& out) = 0;
    virtual StoreStatus load(std::int64_t id, RecordedRun& out) = 0;
    virtual StoreStatus remove(std::int64_t id) = 0;
};

struct Platform {
    Clock& clock;
    TimerFactory& timers;
    EventPump& pump;
    Dialogs& dialogs;
    WindowOps& window;
    SettingsStore& settings;
    GamePads& pads;
    Sound& sound;
    RandomSource& random;
    Canvas& canvas;
    RunStore& runs;
    UserFiles& files;
};

}  // namespace tap
