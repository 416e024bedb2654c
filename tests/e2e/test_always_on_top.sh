#!/usr/bin/env bash
# Switching "always on top" off and on keeps the same window and the keyboard on it, with no window
# manager and under openbox, where the window's state follows the switch.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/drive.sh"
start_display
settings="$WORK/settings.ini"

above() { xprop -id "$WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
toggle_top() { menu "$MENU_VIEW" "$VIEW_TOP"; sleep 0.3; }
same_window() { [ "$(app_windows NORMAL | head -n1)" = "$WINDOW" ] || fail "$1: the window was made anew"; }

# Without a window manager nobody gives a new window the keyboard: the keys must still arrive.
: > "$settings"
start_tapriko "$1" --settings "$settings"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
toggle_top
toggle_top
same_window "no window manager"
xdotool key z  # SELECT: the clock
sleep 0.3
stop_tapriko
expect_setting MODE SELECT 1
expect_setting PANEL FORWARD True

# Under openbox the state is the window manager's, and it follows the switch.
command -v openbox >/dev/null || fail "openbox is not installed"
openbox >"$WORK/openbox.log" 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true; cleanup' EXIT
sleep 1
: > "$settings"
start_tapriko "$1" --settings "$settings"
sleep 0.5
above || fail "not above other windows at the start"
toggle_top
above && fail "still above other windows after switching it off"
toggle_top
above || fail "not above other windows after switching it on again"
same_window "openbox"
xdotool key z z  # SELECT twice: the stopwatch
sleep 0.3
screenshot always_on_top_openbox
stop_tapriko
expect_setting MODE SELECT 2
echo "always on top: ok"
