#include "platform/qt/platform_choice.h"

#include <QString>
#include <algorithm>
#include <cstdio>

namespace tap::qt {

PlatformChoice choosePlatform(const SessionEnvironment& env, const std::vector<std::string>& args) {
    const bool chosenOnCommandLine = std::any_of(
        args.begin(), args.end(), [](const std::string& a) { return a == "-platform" || a == "--platform"; });
    if (!env.qtPlatform.empty() || chosenOnCommandLine) return PlatformChoice::LeaveToQt;
    const bool wayland = !env.waylandDisplay.empty() || env.sessionType == "wayland";
    if (!wayland) return PlatformChoice::LeaveToQt;
    return env.x11Display.empty() ? PlatformChoice::WaylandOnly : PlatformChoice::UseXWayland;
}

bool asksOnlyForText(const std::vector<std::string>& args) {
    return args.size() > 1 && std::all_of(args.begin() + 1, args.end(), [](const std::string& a) {
               return a == "-h" || a == "--help" || a == "-v" || a == "--version";
           });
}

void preferX11InWaylandSessions(int argc, char** argv) {
    const SessionEnvironment env{qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(),
                                 qEnvironmentVariable("WAYLAND_DISPLAY").toStdString(),
                                 qEnvironmentVariable("XDG_SESSION_TYPE").toStdString(),
                                 qEnvironmentVariable("DISPLAY").toStdString()};
    const std::vector<std::string> args(argv, argv + argc);
    switch (choosePlatform(env, args)) {
        case PlatformChoice::LeaveToQt:
            break;
        case PlatformChoice::UseXWayland:
            qputenv("QT_QPA_PLATFORM", "xcb");
            break;
        case PlatformChoice::WaylandOnly:
            std::fprintf(stderr,
                         "tapriko: this Wayland session has no XWayland; the window cannot keep its shape, "
                         "its place or stay on top\n");
            break;
    }
}

}  // namespace tap::qt
