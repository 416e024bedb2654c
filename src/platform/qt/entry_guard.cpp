#include "platform/qt/entry_guard.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

namespace tap::qt {

namespace {
// The event loop's thread is the only one that enters the device; the count is read by the same thread.
std::uint64_t g_entries = 0;
std::function<void(const std::string&)> g_report;
using Clock = std::chrono::steady_clock;
// A failure that comes again within this time of its last occurrence is not told again, so that a
// timer whose tick keeps failing neither floods standard error nor keeps the user from the menu.
constexpr auto kRepeatQuiet = std::chrono::seconds(5);
std::string g_lastFailure;
Clock::time_point g_lastFailureAt;
bool g_reporting = false;
}  // namespace

void setFailureReport(std::function<void(const std::string& what)> report) { g_report = std::move(report); }

void reportFailure(const std::string& what, Tell tell) noexcept {
    try {
        const auto now = Clock::now();
        const bool repeated = what == g_lastFailure && now - g_lastFailureAt < kRepeatQuiet;
        g_lastFailure = what;
        g_lastFailureAt = now;
        if (repeated) return;
        std::fprintf(stderr, "tapriko: %s\n", what.c_str());
        if (tell == Tell::Log || !g_report || g_reporting) return;
        g_reporting = true;
        g_report(what);
        g_reporting = false;
        g_lastFailureAt = Clock::now();  // the quiet time starts when the user has read it
    } catch (...) {
        g_reporting = false;
    }
}

std::uint64_t entryCount() { return g_entries; }

std::function<void()> guardedShutdown(std::function<void()> shutdown) {
    return [f = std::move(shutdown)] {
        if (!guarded(f, Tell::Log)) QCoreApplication::exit(1);
    };
}

namespace detail {
void countEntry() noexcept { ++g_entries; }
}  // namespace detail

}  // namespace tap::qt
