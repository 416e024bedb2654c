#!/usr/bin/env bash
# The explosion game under a real window manager: the panels fly above the device and meet there, and
# the keyboard stays with the device while the game's windows come and go, so a run can explode.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
start_window_manager
settings="$WORK/settings.ini"
printf '[MODE]\nSHOOTING_MAX=200\nSELECT=4\n' > "$settings"

start_tapriko "$1" --settings "$settings"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
sleep 0.3
read -r WX WY _ _ <<<"$(window_geometry)"

xdotool key x
sleep 4.3
screenshot games_openbox_met
w=$(game_window VELMIN_1)
[ -n "$w" ] || fail "the panels are not shown"
read -r PX PY <<<"$(position_of "$w")"
# The critter's forehead, where the panels met over the device: orange, not the device's cream.
forehead="p{$((PX + 68)),$((PY + 30))}"
blue=$(convert "$ARTIFACTS/games_openbox_met.png" -format "%[fx:int(255*$forehead.b)]" info:)
[ "$blue" -lt 160 ] || fail "the panels are under the device (blue $blue at the critter's forehead)"

# No focusing from here on: the keys must still reach the device.
bonus=$(blast_run)
[ -n "$bonus" ] || fail "no explosion: the presses did not reach the device"
screenshot games_openbox_explosion
[ "$(xdotool getactivewindow)" = "$WINDOW" ] || fail "the device lost the keyboard focus"
stop_tapriko
echo "games under openbox: ok"
