#!/usr/bin/env bash
# SIGTERM ends the program within 200 ms, with status 0 and the settings written, from inside every loop
# and modal state. Each state is a function enter_NAME that stores the settings to start from, starts the
# program and brings it into the state, and optionally check_NAME for what else the file must say; add
# one and list it in STATES. Arguments after the binary choose states.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/drive.sh"
bin=$1
start_display
settings="$WORK/settings.ini"
budget_ms=200

launch() {
  start_tapriko "$bin" --settings "$settings"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
}
store() { printf "$1" > "$settings"; }
expect_box() { await_box >/dev/null || fail "$state: no $1 came up"; }

enter_measuring() { store ''; launch; xdotool key x c; sleep 1; }
enter_clock() { store '[MODE]\nSELECT=1\n'; launch; sleep 0.5; }
enter_stopwatch() { store '[MODE]\nSELECT=2\n'; launch; xdotool key v; sleep 0.5; }
enter_countdown() { store '[MODE]\nSELECT=2\n'; launch; xdotool key x v; sleep 1.2; }
enter_alarm_notice() {
  local h m s
  read -r h m s <<<"$(date -d '+3 sec' '+%-H %-M %-S')"
  store "[MODE]\nSELECT=1\nTIME_ALARM_SET=1\nTIME_ALARM_HOU=$h\nTIME_ALARM_MIN=$m\nTIME_ALARM_SEC=$s\n"
  launch
  expect_box "alarm notice"
}
enter_unlock_message() {
  store ''
  launch
  xdotool key x
  sleep 0.3
  local keys=()
  for _ in $(seq 65); do keys+=(c v); done
  xdotool key --delay 66 "${keys[@]}"
  expect_box "unlock message"
}
enter_back_confirmation() {
  store '[PANEL]\nSIDE=1\nRESET_SEAL=0\n[MODE]\nSHOOTING_MAX=130\n'
  launch
  click_face 58 90  # the uncovered reset button
  expect_box "reset confirmation"
}
check_back_confirmation() { expect_setting MODE SHOOTING_MAX 130; }  # not answered: no reset

enter_slot_reels() { store '[MODE]\nSHOOTING_MAX=200\nSELECT=3\n'; launch; xdotool key x; sleep 0.5; }
enter_explosion_run() { store '[MODE]\nSHOOTING_MAX=200\nSELECT=4\n'; launch; xdotool key x; sleep 1; }
enter_key_setup_open() {
  store ''
  launch
  menu "$MENU_KEYSETUP"
  await_other >/dev/null || fail "$state: the key setup did not open"
  sleep 0.3
}
enter_measuring_with_analyzer() {
  store '[PANEL]\nPOS_X=20\nPOS_Y=100\n'
  launch
  menu "$MENU_ANALYZER"
  [ -n "$(await_window UTILITY 5 'Shooting Analyzer')" ] || fail "$state: the analyzer did not open"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
  xdotool key x c v c v
  sleep 1
}

STATES=(measuring clock stopwatch countdown slot_reels explosion_run alarm_notice key_setup_open unlock_message
        back_confirmation measuring_with_analyzer)
[ $# -ge 2 ] && STATES=("${@:2}")

for state in "${STATES[@]}"; do
  "enter_$state"
  screenshot "shutdown_$state"
  # A watchdog, so that a program that does not end fails the test instead of hanging it.
  (sleep 5; kill -9 "$APP_PID" 2>/dev/null) &
  watchdog=$!
  t0=$(date +%s%N)
  kill -TERM "$APP_PID"
  rc=0
  wait "$APP_PID" || rc=$?
  t1=$(date +%s%N)
  kill "$watchdog" 2>/dev/null || true
  wait "$watchdog" 2>/dev/null || true
  APP_PID=""
  ms=$(((t1 - t0) / 1000000))
  echo "$state: ended in $ms ms with status $rc"
  [ "$rc" -eq 0 ] || { cat "$WORK/app.log" >&2; fail "$state: exit status $rc"; }
  [ "$ms" -le "$budget_ms" ] || fail "$state: took $ms ms to end (at most $budget_ms)"
  warnings=$(program_warnings)
  [ -z "$warnings" ] || fail "$state: the program warned: $warnings"
  expect_setting START_COUNT COUNT 1
  for key in POS_X POS_Y SIZE FORWARD SKIN SIDE RESET_SEAL; do [ -n "$(setting PANEL $key)" ] || fail "$state: PANEL/$key not written"; done
  for key in TIME_MODE TIME_ALARM_SET TIME_ALARM_HOU TIME_ALARM_MIN TIME_ALARM_SEC; do
    [ -n "$(setting MODE $key)" ] || fail "$state: MODE/$key not written"
  done
  if declare -F "check_$state" >/dev/null; then "check_$state"; fi
done
echo "shutdown: ok"
