#!/usr/bin/env bash
# A key held for two seconds with the X server's auto-repeat on is one press: the run started by it ends
# with a record of exactly 1.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
settings="$WORK/settings.ini"
: > "$settings"

xset r on
xset r rate 250 30
start_tapriko "$1" --settings "$settings"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true

# Keys go through the server (XTEST), not as sent events, so that the server repeats the held one.
xdotool key x          # START
sleep 0.3
xdotool keydown v      # A, held: about 50 repeats at 30 per second
sleep 2
xdotool keyup v
await_setting MODE SHOOTING_MAX 20   # the record is stored when the run ends, ten seconds after the press
screenshot held_key
stop_tapriko

expect_setting MODE SHOOTING_MAX 1
echo "held key: ok"
