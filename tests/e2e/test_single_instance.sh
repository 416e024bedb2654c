#!/usr/bin/env bash
# One device per settings file, under a window manager: a second start over the same settings brings the
# running device to the front (from behind another window, and out of the task bar) and ends with 0,
# without touching the settings; a start with other settings runs beside it; after a crash the next start
# is not blocked by what the crashed one left.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bin=$(realpath "$1")
start_display
start_window_manager
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
settings=$WORK/settings.ini
beside=$WORK/beside.ini
: >"$settings"
: >"$beside"

BESIDE_PID=""
trap '[ -n "$BESIDE_PID" ] && kill -9 "$BESIDE_PID" 2>/dev/null; cleanup' EXIT

# second_start ARGS...: a start over settings already in use; it must end by itself, with 0.
second_start() {
  local rc=0
  (cd "$WORK" && QT_QPA_PLATFORM=xcb timeout 20 "$bin" "$@" >"$WORK/second.log" 2>&1) || rc=$?
  [ "$rc" -eq 0 ] || { cat "$WORK/second.log" >&2; fail "second start ended with $rc"; }
}

devices() { xdotool search --onlyvisible --name 'Tapriko' 2>/dev/null | while read -r w; do
  xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_NORMAL && echo "$w"; done; }

# stacked_above A B: window A is above window B in the window manager's stacking order.
stacked_above() {
  local order
  order=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g')
  local a b
  a=$(grep -nx "$(printf '0x%x' "$1")" <<<"$order" | cut -d: -f1)
  b=$(grep -nx "$(printf '0x%x' "$2")" <<<"$order" | cut -d: -f1)
  [ -n "$a" ] && [ -n "$b" ] && [ "$a" -gt "$b" ]
}

# await CONDITION...: waits up to 5 s for a command to succeed.
await() {
  for _ in $(seq 50); do "$@" && return 0; sleep 0.1; done
  return 1
}
viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
hidden() { ! viewable "$1"; }

start_tapriko "$bin" --settings "$settings"
first=$WINDOW
first_pid=$APP_PID

# The same file by another spelling: the device comes forward, no second device appears.
second_start --settings ./settings.ini
[ "$(devices | wc -l)" -eq 1 ] || fail "a second device opened over the same settings"
[ ! -s "$settings" ] || fail "the settings were written while the first device runs"

# Other settings run beside, and cover the first (both are centred).
start_tapriko "$bin" --settings "$beside"
BESIDE_PID=$APP_PID
covering=$WINDOW
[ "$(devices | wc -l)" -eq 2 ] || fail "the device with other settings did not open beside the first"
await stacked_above "$covering" "$first" || fail "the later device is not on top"
screenshot single_instance_covered

second_start --settings "$settings"
await stacked_above "$first" "$covering" || fail "a second start did not raise the device from behind the other"
screenshot single_instance_raised

xdotool windowminimize "$first"
await hidden "$first" || fail "the device could not be minimised"
second_start --settings "$settings"
await viewable "$first" || fail "a second start did not bring the minimised device back"
[ ! -s "$settings" ] || fail "the settings were written by a start that handed over"

# Only the first device writes its settings, once, when it ends.
APP_PID=$BESIDE_PID; stop_tapriko; BESIDE_PID=""
APP_PID=$first_pid; stop_tapriko
expect_setting START_COUNT COUNT 1

# A crash leaves its lock and socket; the next start runs all the same.
start_tapriko "$bin" --settings "$settings"
kill -9 "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=""
ls "$XDG_RUNTIME_DIR"/tapriko-*.lock >/dev/null 2>&1 || fail "the crashed device left no lock, so this test proves nothing"
start_tapriko "$bin" --settings "$settings"
second_start --settings "$settings"
stop_tapriko
expect_setting START_COUNT COUNT 2
echo "single instance: ok"
