#!/usr/bin/env bash
# A whole run from the keyboard: START, 130 alternating presses of B and A at about 15 per second, the
# unlock message at the end is dismissed with Return, and the record is kept.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
settings="$WORK/settings.ini"
: > "$settings"

start_tapriko "$1" --settings "$settings"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true

xdotool key x  # START
sleep 0.3
keys=()
for _ in $(seq 65); do keys+=(c v); done
xdotool key --delay 66 "${keys[@]}"  # about 8.6 s

# The run ends ten seconds after its first press; then the message box is the program's other window.
box=$(await_window DIALOG 10)
[ -n "$box" ] || fail "no unlock message appeared"
screenshot unlock_message
box_open() { app_windows DIALOG | grep -qx "$box"; }
# Without a window manager focus can lag behind a new window: focus the box and press Return until it goes.
for _ in $(seq 10); do
  box_open || break
  xdotool windowfocus "$box" 2>/dev/null || true
  sleep 0.3
  xdotool key Return
  for _ in $(seq 10); do box_open || break; sleep 0.1; done
done
box_open && fail "the message did not close on Return"
stop_tapriko

expect_setting MODE SHOOTING_MAX 130
echo "measurement: ok"
