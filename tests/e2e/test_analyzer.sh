#!/usr/bin/env bash
# The analyzer opened from the device's menu watches a real run: the graph, the speed meter and the timing
# chart are drawn, the keys keep reaching the device, and the run's record is kept.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
settings="$WORK/settings.ini"
printf '[PANEL]\nPOS_X=20\nPOS_Y=100\n' > "$settings"  # room on the right for the analyzer
start_tapriko "$1" --settings "$settings"
read -r wx wy _ _ < <(window_geometry)

# The pop-up menu from a right click on the face; "Shooting Analyzer..." is its sixth entry.
xdotool mousemove $((wx + 200)) $((wy + 40)) click 3
sleep 0.5
xdotool key Down Down Down Down Down Down Return
analyzer=$(await_window UTILITY 5 'Shooting Analyzer')
[ -n "$analyzer" ] || fail "the analyzer did not open"
xdotool mousemove 0 0
info=$(xwininfo -id "$analyzer")
ax=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
ay=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
[ "$ax" -eq $((wx + 427 + 8)) ] || fail "the analyzer did not open beside the device (x $ax)"

xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
xdotool key x  # START
sleep 0.3
keys=()
for _ in $(seq 40); do keys+=(c v); done
xdotool key --delay 80 "${keys[@]}"  # 80 presses in about 6.4 s
await_setting MODE SHOOTING_MAX 20
sleep 0.5

# green_pixels X Y W H: pixels of the screenshot in $shot that are the graphs' bright green.
green_pixels() {
  convert "$shot" -crop "$3x$4+$(($1 + ax))+$(($2 + ay))" +repage -fx 'r<0.05 && g>0.95 && b<0.05 ? 1 : 0' \
    -format '%[fx:round(mean*w*h)]' info:
}
screenshot analyzer_graph
shot="$ARTIFACTS/analyzer_graph.png"
bars=$(green_pixels 40 16 300 120)
[ "$bars" -gt 200 ] || fail "the graph shows no bars ($bars green pixels)"
progress=$(green_pixels 42 180 297 3)
[ "$progress" -gt 800 ] || fail "the progress bar is not full ($progress)"

xdotool mousemove $((ax + 34 + 13)) $((ay + 222 + 14 + 12)) click 1  # page 2: the timing chart
sleep 0.5
xdotool mousemove 0 0
screenshot analyzer_chart
shot="$ARTIFACTS/analyzer_chart.png"
chart=$(green_pixels 40 50 300 90)
[ "$chart" -gt 200 ] || fail "the timing chart is empty ($chart)"

xdotool mousemove $((ax + 60 + 13)) $((ay + 222 + 14 + 12)) click 1  # page 3: the figures
sleep 0.5
xdotool mousemove 0 0
screenshot analyzer_figures
stop_tapriko
expect_setting MODE SHOOTING_MAX 80
echo "analyzer: ok"
