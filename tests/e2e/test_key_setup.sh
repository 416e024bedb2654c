#!/usr/bin/env bash
# The key setup dialog from the menu: click the SELECT label, press Q W E R, OK. Then Q is SELECT and the
# old Z does nothing, and the new keys are what the program saves. Once on a bare display and once under
# a window manager, which decides focus and stacking for the dialog over the always-on-top device.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display

run_once() {
  local name=$1
  settings="$WORK/settings-$name.ini"
  : > "$settings"
  start_tapriko "$BIN" --settings "$settings"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
  read -r x y _ _ <<<"$(window_geometry)"
  xdotool mousemove $((x + 200)) $((y + 40)) click 3   # the pop-up menu
  sleep 0.5
  xdotool key Up Up Return                              # "キー設定...", the second item from the bottom
  local dialog
  dialog=$(await_window DIALOG 5 "キー設定")
  [ -n "$dialog" ] || fail "$name: the key setup dialog did not open"
  sleep 0.3
  local dx dy
  read -r dx dy _ _ <<<"$(WINDOW=$dialog window_geometry)"
  xdotool mousemove $((dx + 183)) $((dy + 55)) click 1  # the SELECT key label
  sleep 0.3
  screenshot "key_setup_waiting_$name"
  xdotool key --delay 150 q w e r
  sleep 0.3
  screenshot "key_setup_assigned_$name"
  xdotool key Return                                    # no label waits any more: OK
  for _ in $(seq 50); do
    app_windows DIALOG "キー設定" | grep -qx "$dialog" || break
    sleep 0.1
  done
  app_windows DIALOG "キー設定" | grep -qx "$dialog" && fail "$name: the dialog did not close on OK"

  # The keyboard is back with the device: SELECT, the old SELECT key, SELECT.
  xdotool key --delay 300 q z q
  sleep 0.3
  screenshot "key_setup_after_$name"
  stop_tapriko

  expect_setting KEYSETUP KEY_SELECT 81
  expect_setting KEYSETUP KEY_START 87
  expect_setting KEYSETUP KEY_B 69
  expect_setting KEYSETUP KEY_A 82
  expect_setting MODE SELECT 2
}

BIN=$1
run_once bare
start_window_manager
run_once openbox
echo "key setup: ok"
