#!/usr/bin/env bash
# How much of a core the real program takes, under Xvfb, over SECONDS (default 10) in each state:
#   idle       mode 0, nothing pressed
#   clock      the clock running
#   stopwatch  the stopwatch running
# Usage: cpu_load.sh BINARY [SECONDS] [STATE...]; REPEAT=n (default 3) measures each state n times, each
# in a fresh program, and also prints the median, since other work on the machine moves single figures.
# BASELINE=OTHER_BINARY measures that one too, alternating run by run, and prints the ratio of medians.
# Prints the program's share of a core and the X server's (which does the drawing the program asks for).
# CPU time is read from the scheduler's per-thread figures, to the nanosecond, not from clock ticks.
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
bin=$1
seconds=${2:-10}
shift $(($# >= 2 ? 2 : 1))
states=("$@")
[ ${#states[@]} -gt 0 ] || states=(idle clock stopwatch)

# CPU nanoseconds of every thread of process $1.
cpu_ns() {
  local total=0 t
  for t in /proc/"$1"/task/*/schedstat; do
    total=$((total + $(cut -d' ' -f1 "$t" 2>/dev/null || echo 0)))
  done
  echo "$total"
}

percent() { awk -v ns="$1" -v s="$2" 'BEGIN { printf "%.2f", ns / (s * 1e9) * 100 }'; }

repeat=${REPEAT:-3}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# measure BINARY STATE RUN: one fresh program in STATE; prints its line and leaves its figure in $figure.
measure() {
  local bin=$1 state=$2 run=$3 settings="$WORK/$2.ini"
  case $state in
    idle) : > "$settings" ;;
    clock) printf '[MODE]\nSELECT=1\n' > "$settings" ;;
    stopwatch) printf '[MODE]\nSELECT=2\n' > "$settings" ;;
    *) fail "unknown state $state" ;;
  esac
  start_tapriko "$bin" --settings "$settings"
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
  [ "$state" = stopwatch ] && xdotool key v  # A starts it
  sleep 2  # start-up and the first pictures are not part of the figure
  local app0 x0 app1 x1
  app0=$(cpu_ns "$APP_PID")
  x0=$(cpu_ns "$XVFB_PID")
  sleep "$seconds"
  app1=$(cpu_ns "$APP_PID")
  x1=$(cpu_ns "$XVFB_PID")
  screenshot "cpu_load_$state"
  stop_tapriko
  figure=$(percent $((app1 - app0)) "$seconds")
  printf '%-10s %-8s run %d: program %6s %% of a core   X server %6s %%   (%s s)\n' "$state" \
    "${4:-}" "$run" "$figure" "$(percent $((x1 - x0)) "$seconds")" "$seconds"
}

start_display
for state in "${states[@]}"; do
  figures=()
  baseline=()
  for run in $(seq "$repeat"); do
    if [ -n "${BASELINE:-}" ]; then
      measure "$BASELINE" "$state" "$run" baseline
      baseline+=("$figure")
    fi
    measure "$bin" "$state" "$run"
    figures+=("$figure")
  done
  m=$(printf '%s\n' "${figures[@]}" | median)
  printf '%-10s median: program %6s %% of a core\n' "$state" "$m"
  if [ -n "${BASELINE:-}" ]; then
    b=$(printf '%s\n' "${baseline[@]}" | median)
    printf '%-10s median: baseline %6s %% of a core, %s times the program\n' "$state" "$b" \
      "$(awk -v b="$b" -v m="$m" 'BEGIN { printf "%.1f", (m > 0 ? b / m : 0) }')"
  fi
done
