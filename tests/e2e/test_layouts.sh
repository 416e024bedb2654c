#!/usr/bin/env bash
# The keys at the positions of Z, shifted or not, are SELECT on a US, a French, a Russian and a Greek
# layout: two presses, the second with Shift, take the device from the measurement to the stopwatch.
# The layout is switched while the program runs, so that it also follows a changed keyboard map.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display

for case in "us z" "fr z" "ru Cyrillic_ya" "gr Greek_zeta"; do
  read -r layout key <<<"$case"
  settings="$WORK/settings-$layout.ini"
  : > "$settings"
  setxkbmap -layout us
  start_tapriko "$1" --settings "$settings"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
  setxkbmap -layout "$layout"
  sleep 0.3
  xdotool key "$key"
  sleep 0.3
  xdotool key "shift+$key"
  sleep 0.3
  screenshot "layout_$layout"
  stop_tapriko
  got=$(setting MODE SELECT)
  [ "$got" = 2 ] || fail "layout $layout: mode $got after two SELECT presses, expected 2"
done
echo "layouts: ok"
