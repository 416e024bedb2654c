#!/usr/bin/env bash
# Screenshots of the analyzer's three pages after a real run, at 100 % and at 200 %, into docs/:
# scripts/make-analyzer-docs.sh [path/to/tapriko]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/tapriko}")
docs=$PWD/docs
source tests/e2e/lib.sh

# shoot SCALE: one real run with the analyzer open, then each page.
shoot() {
  local scale=$1
  XVFB_SCREEN="$((1280 * scale))x$((800 * scale))x24" start_display
  settings="$WORK/settings-$scale.ini"
  printf '[PANEL]\nPOS_X=20\nPOS_Y=60\n[MODE]\nSHOOTING_MAX=999\n' > "$settings"
  QT_SCALE_FACTOR=$scale start_tapriko "$bin" --settings "$settings"
  read -r wx wy _ _ < <(window_geometry)
  xdotool mousemove $((wx + 200 * scale)) $((wy + 40 * scale)) click 3
  sleep 0.5
  xdotool key Down Down Down Down Down Down Return
  sleep 1
  local analyzer
  analyzer=$(await_window UTILITY 5 'Shooting Analyzer')
  xdotool mousemove 0 0
  # Two runs, so that the second is shown against the first.
  for presses in 90 60; do
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
    xdotool key x
    sleep 0.3
    local keys=()
    for _ in $(seq $((presses / 2))); do keys+=(c v); done
    xdotool key --delay $((9000 / presses)) "${keys[@]}"
    sleep 2
  done
  local info ax ay
  info=$(xwininfo -id "$analyzer")
  ax=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  ay=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  local size="$((380 * scale))x$((281 * scale))"
  for page in 1 2 3; do
    xdotool mousemove $((ax + (8 + 26 * (page - 1) + 13) * scale)) $((ay + 248 * scale)) click 1
    sleep 0.5
    xdotool mousemove 0 0
    sleep 0.3
    import -window root -crop "$size+$ax+$ay" +repage "$docs/analyzer_page${page}_${scale}x.png"
  done
  kill -TERM "$APP_PID"; wait "$APP_PID" || true; APP_PID=""
  kill "$XVFB_PID"; XVFB_PID=""
}

shoot 1
shoot 2
echo "docs/ analyzer pictures written"
