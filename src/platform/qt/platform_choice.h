#pragma once
// The device window is shaped, places itself and stays on top: things a Wayland compositor does not let a
// client do. In a Wayland session it therefore runs on X11 through XWayland, unless the user has chosen
// a platform (QT_QPA_PLATFORM or -platform).
#include <string>
#include <vector>

namespace tap::qt {

struct SessionEnvironment {
    std::string qtPlatform;      // QT_QPA_PLATFORM
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string sessionType;     // XDG_SESSION_TYPE
    std::string x11Display;      // DISPLAY
};

enum class PlatformChoice {
    LeaveToQt,    // an X11 session, or the user chose
    UseXWayland,  // a Wayland session with XWayland at hand
    WaylandOnly,  // a Wayland session without XWayland: the window runs, but without shape or placement
};

PlatformChoice choosePlatform(const SessionEnvironment& env, const std::vector<std::string>& args);

// Whether the command line asks only for the help or the version: text that needs no display (e.g. over
// ssh). Anything else on the line, and the program needs its window system.
bool asksOnlyForText(const std::vector<std::string>& args);

// Before the application object exists: applies the choice for this process and says when the window
// will lack what it needs.
void preferX11InWaylandSessions(int argc, char** argv);

}  // namespace tap::qt
