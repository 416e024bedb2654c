#!/usr/bin/env bash
# A picture of the history window for the README, over a history of runs at a hand's pace made by the
# benchmark's filler: scripts/make-records-docs.sh [path/to/build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
docs=$PWD/docs
source tests/e2e/lib.sh

XVFB_SCREEN=1280x800x24 start_display
start_window_manager
settings="$WORK/settings.ini"
printf '[PANEL]\nPOS_X=16\nPOS_Y=16\n[MODE]\nSHOOTING_MAX=999\n' > "$settings"
records="$WORK/runs.sqlite"
"$build/bench/records_store" --fill "$records" 90
start_tapriko "$build/tapriko" --settings "$settings" --records "$records"
read -r wx wy _ _ < <(window_geometry)
xdotool mousemove $((wx + 200)) $((wy + 40)) click 3
sleep 0.5
xdotool key Down Down Down Down Down Down Down Return  # 記録...
sleep 1
history=$(xdotool search --all --pid "$APP_PID" --onlyvisible --name '記録' | head -n1)
[ -n "$history" ] || fail "the history window did not open"
xdotool key Down Down  # the third run chosen
xdotool mousemove 0 0
sleep 0.5
info=$(xwininfo -id "$history")
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
w=$(awk '/Width:/ {print $2}' <<<"$info")
h=$(awk '/Height:/ {print $2}' <<<"$info")
import -window root -crop "${w}x${h}+${x}+${y}" +repage "$docs/history.png"
stop_tapriko
echo "docs/history.png written"
