#!/usr/bin/env bash
# Two runs from the keyboard on the real program: --history then lists both, and --export-last holds the
# presses that were sent, as CSV and as JSON; with no run stored it fails.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
bin=$1
start_display
settings="$WORK/settings.ini"
printf '[MODE]\nSHOOTING_MAX=999\n' > "$settings"  # a record no run beats: no message interrupts
records="$WORK/runs.sqlite"

if "$bin" --records "$records" --export-last "$WORK/none.csv" 2>"$WORK/none.err"; then
  fail "--export-last succeeded with no run stored"
fi
grep -q "no run is stored" "$WORK/none.err" || fail "no message without a run: $(cat "$WORK/none.err")"

start_tapriko "$bin" --settings "$settings" --records "$records"
xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true

stored_runs() { "$bin" --records "$records" --history | awk 'NR > 1 && $1 ~ /^[0-9]+$/' | wc -l; }

# play KEYS...: START, the keys about 90 ms apart, and the run waited out until it is stored.
play() {
  local before
  before=$(stored_runs)
  xdotool key x
  sleep 0.3
  xdotool key --delay 90 "$@"
  for _ in $(seq 150); do
    [ "$(stored_runs)" -gt "$before" ] && return 0
    sleep 0.1
  done
  fail "the run of $# presses was not stored"
}

keys=()
for _ in $(seq 12); do keys+=(c v); done
play "${keys[@]}"            # 24 presses, B and A in turn
play v v v v v v v v v v v v v v v v  # 16 presses of A
screenshot records_after_two_runs

history=$("$bin" --records "$records" --history)
echo "$history"
totals=$(awk 'NR > 1 {print $4}' <<<"$history" | tr '\n' ' ')
[ "$totals" = "24 16 " ] || fail "--history lists totals '$totals', expected '24 16 '"
grep -q "keyboard" <<<"$history" || fail "--history does not name the keyboard"

"$bin" --records "$records" --export-last "$WORK/last.csv"
head -n1 "$WORK/last.csv" | grep -qx "seq,button,source,press_ms,release_ms" || fail "no CSV header"
awk -F, 'NR > 1 {
  if ($1 != NR - 1 || $2 != "A" || $3 != "keyboard") bad = "line " NR ": " $0
  if ($4 !~ /^[0-9]+\.[0-9][0-9][0-9][0-9]$/ || $5 !~ /^[0-9]+\.[0-9][0-9][0-9][0-9]$/) bad = "times of line " NR ": " $0
  if (NR == 2 && $4 != "0.0000") bad = "first press at " $4
  if (NR > 2 && $4 + 0 <= last + 0) bad = "press times out of order at line " NR
  if ($5 + 0 < $4 + 0) bad = "release before press at line " NR
  last = $4; n++
} END { if (n != 16) bad = bad " (" n " presses, expected 16)"; if (bad) { print bad; exit 1 } }' "$WORK/last.csv" ||
  fail "the exported presses are not those sent"

"$bin" --records "$records" --export-last "$WORK/last.json"
python3 - "$WORK/last.json" <<'PY' || fail "the JSON export does not hold the run"
import json, sys
run = json.load(open(sys.argv[1], encoding="utf-8"))
assert run["format"] == "tapriko-run" and run["total"] == 16 and run["a"] == 16 and run["b"] == 0, run["total"]
assert sum(run["per_second"]["a"]) == 16
assert [p["seq"] for p in run["presses"]] == list(range(1, 17))
assert all(p["button"] == "A" and p["source"] == "keyboard" for p in run["presses"])
assert run["statistics"]["interval_mean_ms"] > 40
PY

stop_tapriko
echo "records: ok"
