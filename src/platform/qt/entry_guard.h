#pragma once
// Every call from the toolkit into the device goes through `guarded`: timer ticks, posted tasks, the
// signal, session and quit handlers, and every window's key, mouse and menu handlers. An error escaping
// the device is reported instead of unwinding through the event loop, which would end the program on
// the spot with the settings unsaved. Windows wrap their handlers the same way:
//     void keyPressEvent(QKeyEvent* e) override { qt::guarded([&] { model_.keyDown(...); }); }
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace tap::qt {

// Who hears of a failure: the user (a message, through the report set below) or only standard error,
// for entries that must not wait for anyone (a signal, the end of the session).
enum class Tell { User, Log };

// Shows a failure to the user; until one is set, failures go to standard error only.
void setFailureReport(std::function<void(const std::string& what)> report);
// Writes the failure to standard error and, for Tell::User, shows it. A failure that keeps coming (a
// timer whose tick fails every time) is told once; while one message is open, others go to standard
// error only.
void reportFailure(const std::string& what, Tell tell) noexcept;

// How many entries into the device have run so far: a mode loop's wait ends when something reached the
// device, and not for events that did not (a repaint).
std::uint64_t entryCount();

namespace detail {
void countEntry() noexcept;
}

// Runs `handler`; false when it failed (and the failure has been reported).
template <typename F>
bool guarded(F&& handler, Tell tell = Tell::User) noexcept {
    detail::countEntry();
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const std::exception& e) {
        reportFailure(e.what(), tell);
    } catch (...) {
        reportFailure("unknown error", tell);
    }
    return false;
}

// `callback` as a guarded callback, for handlers that are kept and called later.
inline std::function<void()> guardedCallback(std::function<void()> callback, Tell tell = Tell::User) {
    return [f = std::move(callback), tell] { guarded(f, tell); };
}

// For the handlers that end the program (signals, the end of the session, quitting): a failure goes to
// standard error, and the program still ends, with status 1.
std::function<void()> guardedShutdown(std::function<void()> shutdown);

}  // namespace tap::qt
