// Which window system the program asks Qt for.
#include "platform/qt/platform_choice.h"

#include <gtest/gtest.h>

namespace tap::qt {
namespace {

TEST(PlatformChoice, WaylandSessionsGoThroughXWaylandWhenItIsThere) {
    EXPECT_EQ(choosePlatform({"", "wayland-0", "wayland", ":0"}, {"tapriko"}), PlatformChoice::UseXWayland);
    // Either sign of a Wayland session is enough.
    EXPECT_EQ(choosePlatform({"", "wayland-0", "", ":1"}, {"tapriko"}), PlatformChoice::UseXWayland);
    EXPECT_EQ(choosePlatform({"", "", "wayland", ":1"}, {"tapriko"}), PlatformChoice::UseXWayland);
    EXPECT_EQ(choosePlatform({"", "wayland-0", "wayland", ""}, {"tapriko"}), PlatformChoice::WaylandOnly);
}

TEST(PlatformChoice, TheUsersChoiceAndX11SessionsAreLeftAlone) {
    EXPECT_EQ(choosePlatform({"wayland", "wayland-0", "wayland", ":0"}, {"tapriko"}),
              PlatformChoice::LeaveToQt);
    EXPECT_EQ(choosePlatform({"offscreen", "", "", ""}, {"tapriko"}), PlatformChoice::LeaveToQt);
    for (const char* flag : {"-platform", "--platform"})
        EXPECT_EQ(choosePlatform({"", "wayland-0", "wayland", ":0"}, {"tapriko", flag, "wayland"}),
                  PlatformChoice::LeaveToQt)
            << flag;
    EXPECT_EQ(choosePlatform({"", "", "x11", ":0"}, {"tapriko"}), PlatformChoice::LeaveToQt);
    EXPECT_EQ(choosePlatform({"", "", "tty", ""}, {"tapriko"}), PlatformChoice::LeaveToQt);
    // A settings file that happens to be called like the flag is no choice of platform.
    EXPECT_EQ(choosePlatform({"", "wayland-0", "", ":0"}, {"tapriko", "--settings", "-platform.ini"}),
              PlatformChoice::UseXWayland);
}

TEST(PlatformChoice, HelpAndVersionAloneNeedNoDisplay) {
    EXPECT_TRUE(asksOnlyForText({"tapriko", "--version"}));
    EXPECT_TRUE(asksOnlyForText({"tapriko", "-h"}));
    EXPECT_TRUE(asksOnlyForText({"tapriko", "--help", "-v"}));
    EXPECT_FALSE(asksOnlyForText({"tapriko"}));
    // The toolkit's own options are listed only where the toolkit runs.
    EXPECT_FALSE(asksOnlyForText({"tapriko", "--help-all"}));
    // Here "--help" is the name of a settings file.
    EXPECT_FALSE(asksOnlyForText({"tapriko", "--settings", "--help"}));
    EXPECT_FALSE(asksOnlyForText({"tapriko", "-platform", "xcb", "--version"}));
}

}  // namespace
}  // namespace tap::qt
