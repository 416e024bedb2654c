#!/usr/bin/env bash
# Hours of use in minutes: soak.sh BINARY SECONDS drives the real program under Xvfb with runs, mode
# changes, the stopwatch, the countdown, the clock, the slot reels, explosion runs, skins, view sizes,
# clock styles, the back face, the key setup and the analyzer opened for a run and closed, in an order
# drawn from a fixed seed. It fails when resident memory grows by more than 1 MB after the
# warm-up (every action twice and the first minute, or a quarter of a shorter soak), when the program
# writes a warning, or when the settings file it leaves is not valid. Memory samples go to
# $ARTIFACTS/soak_rss.csv.
#
# Each action is a function action_NAME that starts and ends on the front face with the device window
# focused; add one and list it in ACTIONS.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/drive.sh"
bin=$1
seconds=${2:-1800}
warmup=$((seconds / 4 < 60 ? seconds / 4 : 60))
RANDOM=1234
start_display
settings="$WORK/settings.ini"
# Every mode unlocked by a record no run of the soak beats; room on the right for the analyzer.
printf '[PANEL]\nPOS_X=20\nPOS_Y=100\n[MODE]\nSHOOTING_MAX=200\n' > "$settings"
modes=5
mode=0  # the mode shown, as SELECT moves it: 0 shooting, 1 clock, 2 stopwatch, 3 slot, 4 explosion

press() { xdotool key --delay 40 "$@"; }
to_mode() {
  while [ "$mode" -ne "$1" ]; do
    press z
    mode=$(((mode + 1) % modes))
    sleep 0.1
  done
}

action_select() { press z; mode=$(((mode + 1) % modes)); sleep 0.3; }
action_run() {
  to_mode 0
  press x
  sleep 0.2
  local keys=() n=$((10 + RANDOM % 40))
  for _ in $(seq "$n"); do keys+=(c v); done
  xdotool key --delay 50 "${keys[@]}"
  sleep 10.5  # the run ends ten seconds after its first press
}
action_stopwatch() {
  to_mode 2
  press v; sleep 1.2; press b; sleep 0.5; press b; sleep 0.3; press v; sleep 0.4; press v; sleep 0.3
  press v; press b  # stop and reset
}
action_countdown() {
  to_mode 2
  press x b; press v; sleep 2.2; press v; press x  # the 3-minute preset, started, stopped, back to the stopwatch
}
action_clock() {
  to_mode 1
  sleep 1.5
  press x; press v b v; sleep 0.5; press x  # alarm setting: a second and a minute on, and back
}
action_slot() {
  to_mode 3
  press x; sleep 0.8; xdotool key --delay 150 v v v v; sleep 0.3  # spin, and A stops every reel
}
action_explosion() {
  to_mode 4
  [ -n "$(blast_run)" ] || fail "no explosion in mode 4"
  sleep 4  # the explosion and the bonus close; the run is over
}
action_key_setup() {
  menu "$MENU_KEYSETUP"
  await_other >/dev/null || fail "the key setup did not open"
  sleep 0.5
  xdotool key Escape  # cancelled: nothing changes
  sleep 0.3
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
}
action_analyzer() {
  menu "$MENU_ANALYZER"
  local analyzer x y
  analyzer=$(await_window UTILITY 5 'Shooting Analyzer')
  [ -n "$analyzer" ] || fail "the analyzer did not open"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
  action_run
  read -r x y <<<"$(position_of "$analyzer")"
  xdotool mousemove $((x + 359)) $((y + 248)) click 1 mousemove 0 0  # its close button
  sleep 0.3
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
}
action_skin() { menu "$MENU_SKIN" $((1 + RANDOM % 5)); sleep 0.3; }
action_view() { menu "$MENU_VIEW" $((1 + RANDOM % 2)); sleep 0.3; }
action_clock_style() { menu "$MENU_CLOCK" $((1 + RANDOM % 4)); sleep 0.3; }
action_back_face() { menu "$MENU_SIDE"; sleep 0.8; menu "$MENU_SIDE"; sleep 0.3; }

ACTIONS=(select run stopwatch countdown clock slot explosion skin view clock_style back_face key_setup analyzer)

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$APP_PID/status"; }

start_tapriko "$bin" --settings "$settings"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
csv="$ARTIFACTS/soak_rss.csv"
echo "seconds,rss_kb,action" > "$csv"
t0=$(date +%s)
baseline="" baselineAt=0 peak=0 actions=0
# act NAME: one action, checked and sampled.
act() {
  kill -0 "$APP_PID" 2>/dev/null || { cat "$WORK/app.log" >&2; fail "the program ended after $(($(date +%s) - t0)) s"; }
  "action_$1"
  actions=$((actions + 1))
  local rss elapsed warnings
  rss=$(rss_kb)
  elapsed=$(($(date +%s) - t0))
  echo "$elapsed,$rss,$1" >> "$csv"
  # Memory is measured once every action has run twice (the first use of a menu or a size loads its
  # pictures and fonts; the analyzer's second run is the first one it compares with a previous run) and
  # the warm-up time is over.
  if [ "$elapsed" -ge "$warmup" ] && [ "$actions" -gt $((2 * ${#ACTIONS[@]})) ]; then
    [ -z "$baseline" ] && baseline=$rss baselineAt=$elapsed
    [ "$rss" -gt "$peak" ] && peak=$rss
  fi
  warnings=$(program_warnings)
  [ -z "$warnings" ] || fail "the program warned after $elapsed s ($1): $warnings"
}
for action in "${ACTIONS[@]}" "${ACTIONS[@]}"; do act "$action"; done
# Then at random until the time is up, and for a quarter of it at least after the memory baseline.
measuring_enough() {
  local now=$(($(date +%s) - t0))
  [ -n "$baseline" ] && [ "$now" -ge "$seconds" ] && [ $((now - baselineAt)) -ge $((seconds / 4)) ]
}
until measuring_enough; do
  act "${ACTIONS[RANDOM % ${#ACTIONS[@]}]}"
done
screenshot soak_end
to_mode 0
stop_tapriko

growth=$((peak - ${baseline:-$peak}))
echo "soak: $actions actions in $(($(date +%s) - t0)) s; resident memory $baseline kB after the warm-up ($baselineAt s)," \
  "at most $peak kB after, growth $growth kB"
[ -n "$baseline" ] || fail "no memory sample after the warm-up"
[ "$growth" -le 1024 ] || fail "resident memory grew by $growth kB after the warm-up"

# The settings file: sections and key=value lines only, every key the program keeps, each a number or
# a truth value.
awk '!/^(\[[A-Z_]+\]|[A-Z_]+=.*|)$/ { print "bad line: " $0; bad = 1 } END { exit bad }' "$settings" ||
  fail "the settings file has lines that are neither sections nor values"
for pair in PANEL:POS_X PANEL:POS_Y PANEL:SIZE PANEL:SKIN PANEL:SIDE PANEL:RESET_SEAL MODE:SELECT MODE:TIME_MODE \
            MODE:TIME_ALARM_SET MODE:TIME_ALARM_HOU MODE:TIME_ALARM_MIN MODE:TIME_ALARM_SEC \
            KEYSETUP:KEY_SELECT KEYSETUP:KEY_START KEYSETUP:KEY_B KEYSETUP:KEY_A KEYSETUP:BUTTON_SELECT \
            KEYSETUP:BUTTON_START KEYSETUP:BUTTON_B KEYSETUP:BUTTON_A START_COUNT:COUNT; do
  value=$(setting "${pair%%:*}" "${pair#*:}")
  [[ "$value" =~ ^-?[0-9]+$ ]] || fail "settings: ${pair/:/\/} is '$value', not a number"
done
[[ "$(setting PANEL FORWARD)" =~ ^(True|False)$ ]] || fail "settings: PANEL/FORWARD is '$(setting PANEL FORWARD)'"
# No run beats the record.
expect_setting MODE SHOOTING_MAX 200
expect_setting MODE SELECT 0
echo "soak: ok"
