# Helpers for end-to-end tests of the real program on a private Xvfb display.
WORK=$(mktemp -d)
# The program keeps its runs in the user's data directory: tests keep theirs in their own.
export XDG_DATA_HOME="$WORK/data"
# Screenshots go to the build directory (ctest sets ARTIFACTS), never into the source tree.
ARTIFACTS=${ARTIFACTS:-${TMPDIR:-/tmp}/tapriko-e2e-artifacts}
mkdir -p "$ARTIFACTS"
XVFB_PID=""
APP_PID=""
WM_PID=""

cleanup() {
  [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -s "$WORK/xvfb.log" ] && { echo "--- X server output:" >&2; cat "$WORK/xvfb.log" >&2; }
  exit 1
}

start_display() {
  # The server picks a free display number itself, so parallel runs never collide. Without -noreset it
  # resets whenever its last client leaves (the probes below), and a connection made during a reset fails.
  local fifo="$WORK/displayfd"
  rm -f "$fifo"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$fifo" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local n
  read -r -t 20 n <"$fifo" || fail "no X display could be started"
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    if xdpyinfo >/dev/null 2>&1; then
      # The pointer starts at the screen's centre, over the centred window, where it would raise tool tips.
      xdotool mousemove 0 0
      return 0
    fi
    sleep 0.1
  done
  fail "X display $DISPLAY does not answer"
}

# Starts openbox on the display, for tests where stacking, minimising or focus matter.
start_window_manager() {
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  cat "$WORK/openbox.log" >&2
  fail "openbox did not start"
}

# game_window NAME: the id of the program's visible game window NAME (VELMIN_1 ... s80000), empty when
# it is hidden.
game_window() { titled_window "Tapriko\\+\\+ $1\$"; }

# titled_window PATTERN: the id of the program's visible window whose title matches PATTERN, or empty.
titled_window() {
  xdotool search --all --pid "$APP_PID" --onlyvisible --name "$1" 2>/dev/null | head -n1 || true
}

# blast_run: START in mode 4, then presses of A and B well inside the run's last leg (2.5-3.8 s after
# START) until the bonus shows; prints the bonus window's id, empty when none showed.
blast_run() {
  xdotool key x
  sleep 2.8
  xdotool key --delay 20 v c v c v c v c v c v c v c v c v c v c v c v c
  local bonus=""
  for _ in $(seq 20); do
    bonus=$(game_window s80000)
    [ -n "$bonus" ] && break
    sleep 0.05
  done
  echo "$bonus"
}

# position_of WINDOW: "x y" of a window on the screen.
position_of() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/ {x=$2} /^Y=/ {y=$2} END {print x, y}'
}

# app_windows TYPE [TITLE]: the program's visible windows whose window type includes TYPE (NORMAL, DIALOG,
# ...) and whose title has TITLE (default: the program's name).
# Tool tips carry the program's name too, so a search by name alone can find one; --all: the window must
# match both the process and the name (xdotool matches any one of them by default).
app_windows() {
  local w
  for w in $(xdotool search --all --pid "$APP_PID" --onlyvisible --name "${2:-Tapriko}" 2>/dev/null || true); do
    local types
    types=$(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null || true)
    [[ "$types" == *"_NET_WM_WINDOW_TYPE_TOOLTIP"* ]] && continue
    [[ "$types" == *"_NET_WM_WINDOW_TYPE_$1"* ]] && echo "$w"
  done
  return 0
}

# await_window TYPE SECONDS [TITLE]: prints the first of the program's windows of TYPE (and TITLE) once
# there is one; empty when none came within SECONDS.
await_window() {
  local w tries=$(($2 * 10))
  for _ in $(seq "$tries"); do
    w=$(app_windows "$1" "${3:-Tapriko}" | head -n1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 0
}

# start_tapriko BINARY ARGS...: starts the program and waits for its window.
start_tapriko() {
  local bin=$1; shift
  QT_QPA_PLATFORM=xcb "$bin" "$@" >"$WORK/app.log" 2>&1 &
  APP_PID=$!
  for _ in $(seq 100); do
    WINDOW=$(app_windows NORMAL | head -n1)
    [ -n "$WINDOW" ] && return 0
    kill -0 "$APP_PID" 2>/dev/null || { cat "$WORK/app.log" >&2; fail "program ended at start-up"; }
    sleep 0.05
  done
  fail "no window appeared"
}

# "x y width height" of the program's window.
window_geometry() {
  local info
  info=$(xwininfo -id "$WINDOW")
  echo "$(awk '/Absolute upper-left X/ {print $4}' <<<"$info") $(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")" \
       "$(awk '/Width:/ {print $2}' <<<"$info") $(awk '/Height:/ {print $2}' <<<"$info")"
}

screenshot() { import -window root "$ARTIFACTS/$1.png" 2>/dev/null || true; }

# Sends SIGTERM and waits for a clean exit.
stop_tapriko() {
  kill -TERM "$APP_PID"
  local rc=0
  wait "$APP_PID" || rc=$?
  APP_PID=""
  [ "$rc" -eq 0 ] || { cat "$WORK/app.log" >&2; fail "exit code $rc after SIGTERM"; }
}

# setting SECTION KEY: the value in the settings file in $settings, empty when absent.
setting() {
  awk -v s="[$1]" -v k="$2" '$0 == s {in_s=1; next} /^\[/ {in_s=0} in_s && index($0, k "=") == 1 {print substr($0, length(k) + 2)}' "$settings"
}

# expect_setting SECTION KEY VALUE: checks the settings file in $settings.
expect_setting() {
  local got
  got=$(setting "$1" "$2")
  [ "$got" = "$3" ] || fail "$1/$2 is '$got', expected '$3'"
}

# await_setting SECTION KEY SECONDS: waits until the program has written the key, so that a slow machine
# does not race a fixed sleep.
await_setting() {
  local tries=$(($3 * 10))
  for _ in $(seq "$tries"); do
    [ -n "$(setting "$1" "$2")" ] && return 0
    sleep 0.1
  done
  fail "$1/$2 was not written within $3 s"
}
