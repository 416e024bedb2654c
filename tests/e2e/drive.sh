# Driving the program like a user, for the end-to-end tests that need more than keys: the pop-up menu by
# keyboard, the back-face button, message boxes. Source after lib.sh, with the program started.

# The program's visible windows other than the device window, whatever their name (menus have none).
other_windows() {
  local w
  for w in $(xdotool search --pid "$APP_PID" --onlyvisible --name '.*' 2>/dev/null || true); do
    [ "$w" != "$WINDOW" ] && echo "$w"
  done
  return 0
}

# await_other: waits up to 5 s for a window other than the device window and prints its id.
await_other() {
  local w
  for _ in $(seq 50); do
    w=$(other_windows | head -n1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

# await_box: waits up to 5 s for a message box (or other dialog) and prints its id.
await_box() {
  local w
  for _ in $(seq 50); do
    w=$(app_windows DIALOG | head -n1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

# menu N [M]: opens the pop-up menu on the face and chooses its Nth visible item (from the top), or
# the Mth item of the submenu that the Nth opens.
menu() {
  local x y w h
  read -r x y w h <<<"$(window_geometry)"
  xdotool mousemove $((x + 200)) $((y + 60)) click 3
  await_other >/dev/null || fail "the pop-up menu did not open"
  xdotool key --delay 30 $(printf 'Down %.0s' $(seq "$1"))
  if [ $# -ge 2 ]; then
    xdotool key Right  # opens the submenu with its first item chosen
    sleep 0.2
    [ "$2" -gt 1 ] && xdotool key --delay 30 $(printf 'Down %.0s' $(seq $(($2 - 1))))
  fi
  xdotool key Return
  xdotool mousemove 0 0
}

# The items of the menu as numbered for `menu`.
MENU_VIEW=1 MENU_SKIN=2 MENU_CLOCK=3 MENU_ALARM=4 MENU_SIDE=5 MENU_ANALYZER=6 MENU_RECORDS=7 MENU_KEYSETUP=8 MENU_QUIT=9
VIEW_100=1 VIEW_50=2 VIEW_TOP=3

# dismiss_box WINDOW: presses Return on a message box until it is gone.
dismiss_box() {
  for _ in $(seq 10); do
    app_windows DIALOG | grep -qx "$1" || return 0
    xdotool windowfocus "$1" 2>/dev/null || true
    sleep 0.2
    xdotool key Return
    sleep 0.3
  done
  fail "the message did not close"
}

# click_face X Y: a left click at face pixel X, Y.
click_face() {
  local x y w h
  read -r x y w h <<<"$(window_geometry)"
  xdotool mousemove $((x + $1)) $((y + $2)) click 1
  xdotool mousemove 0 0
}

# wait_exit SECONDS: waits for the program to end and leaves its exit status in $EXIT_STATUS.
wait_exit() {
  for _ in $(seq $(($1 * 20))); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$APP_PID" 2>/dev/null && fail "the program did not end within $1 s"
  EXIT_STATUS=0
  wait "$APP_PID" || EXIT_STATUS=$?
  APP_PID=""
}

# What the program wrote to its output, less what the test machine itself causes: no runtime folder for
# the session, and the sound library's complaint about a machine without a sound card.
program_warnings() {
  grep -v -e "XDG_RUNTIME_DIR not set" -e "^ALSA lib " "$WORK/app.log" || true
}
