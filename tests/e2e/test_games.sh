#!/usr/bin/env bash
# Both games on the real program: the slot reels spin and stop on three presses of A; in mode 4 the four
# panels close in and meet at the screen centre, a run with enough presses explodes and shows the bonus;
# a double click on a panel opens the loader, which refuses a hostile picture file and takes a bitmap.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
settings="$WORK/settings.ini"
printf '[MODE]\nSHOOTING_MAX=200\nSELECT=3\n' > "$settings"

start_tapriko "$1" --settings "$settings"
focus_device() { xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true; }
focus_device
read -r WX WY WW WH <<<"$(window_geometry)"

# lcd NAME: a picture of the device's digit display.
lcd() { import -window root -crop 150x50+$((WX + 250))+$((WY + 35)) "$WORK/$1.png" 2>/dev/null; }
same() { [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 || true)" = "0" ]; }

# ---- mode 3: the reels ----
xdotool key x
# Three readings: reels that happen to come round to the same faces between two of them do not look
# as if they stood still.
sleep 0.3; lcd spin1
sleep 0.1; lcd spin2
sleep 0.1; lcd spin3
same spin1 spin2 && same spin2 spin3 && fail "the reels do not spin"
xdotool key --delay 150 v v v
sleep 0.3; lcd stop1
screenshot games_slot
sleep 0.5; lcd stop2
same stop1 stop2 || fail "the reels still move after three presses of A"

# ---- mode 4: the panels ----
xdotool key z  # SELECT: mode 4
sleep 0.3
xdotool key x
sleep 0.6
[ -n "$(game_window VELMIN_1)" ] || fail "the panels do not appear"
screenshot games_panels_closing_in
sleep 4
for n in 1 2 3 4; do
  w=$(game_window "VELMIN_$n")
  [ -n "$w" ] || fail "panel $n is not shown after the run"
  [ "$(position_of "$w")" = "444 316" ] || fail "panel $n stands at $(position_of "$w"), not at the centre"
done
screenshot games_panels_met
[ -z "$(game_window EXPROSE)" ] || fail "an explosion without enough presses"

bonus=$(blast_run)
[ -n "$bonus" ] || fail "no bonus after a run with enough presses"
screenshot games_explosion
[ -z "$(game_window VELMIN_1)" ] || fail "the panels stay through the explosion"
sleep 3.5
[ -z "$(game_window s80000)" ] || fail "the bonus does not close"
[ -z "$(game_window EXPROSE)" ] || fail "the explosion does not close"

# ---- the loader ----
xdotool key x
sleep 4.2
xdotool mousemove 512 384 click --repeat 2 --delay 80 1
loader=""
for _ in $(seq 20); do
  loader=$(titled_window 'ヴェルミンスキンセレクター')
  [ -n "$loader" ] && break
  sleep 0.1
done
[ -n "$loader" ] || fail "a double click on a panel does not open the loader"
read -r LX LY <<<"$(position_of "$loader")"
preview() { import -window root -crop 136x136+$((LX + 16))+$((LY + 14)) "$WORK/$1.png" 2>/dev/null; }
preview empty
# load_file PATH: "読込む", then the file typed into the file dialog; LOAD_MS: from Return until the dialog
# had gone.
load_file() {
  xdotool mousemove $((LX + 204)) $((LY + 19)) click 1
  for _ in $(seq 40); do
    [ -n "$(titled_window 'ファイルを開く')" ] && break
    sleep 0.05
  done
  [ -n "$(titled_window 'ファイルを開く')" ] || fail "読込む opens no file dialog"
  sleep 0.3
  xdotool type --delay 10 "$1"
  local started
  started=$(date +%s%N)
  xdotool key Return
  for _ in $(seq 40); do
    [ -z "$(titled_window 'ファイルを開く')" ] && break
    sleep 0.05
  done
  LOAD_MS=$((($(date +%s%N) - started) / 1000000))
}
# A bitmap header that claims 20 000 x 20 000 pixels.
python3 - "$WORK/huge.bmp" <<'PY'
import struct, sys
w = h = 20000
image = w * 3 * h
head = b"BM" + struct.pack("<IHHI", 54 + image, 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, image, 2835, 2835, 0, 0)
open(sys.argv[1], "wb").write(head + info + b"\x40" * 65536)
PY
load_file "$WORK/huge.bmp"
took=$LOAD_MS
[ "$took" -lt 1000 ] || fail "the huge picture took $took ms to refuse"
peak=$(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$APP_PID/status")
[ "$peak" -lt 200 ] || fail "the program's memory peaked at $peak MB"
preview after_huge
same empty after_huge || fail "the refused picture changed the preview"

convert -size 160x160 gradient:'#2a6fd6'-'#f2d13a' "$WORK/mine.bmp"
load_file "$WORK/mine.bmp"
preview mine
same empty mine && fail "the bitmap does not show in the preview"
screenshot games_loader

xdotool mousemove $((LX + 204)) $((LY + 83)) click 1  # "閉じる"
sleep 0.3
[ -z "$(titled_window 'ヴェルミンスキンセレクター')" ] || fail "the loader does not close"
focus_device
xdotool key x
sleep 4.3
screenshot games_own_panels
# The panels met at the centre show the bitmap (blue at its top, the default picture is orange there).
read -r red blue <<<"$(convert "$ARTIFACTS/games_own_panels.png" \
  -format '%[fx:int(255*p{484,340}.r)] %[fx:int(255*p{484,340}.b)]' info:)"
[ "$blue" -gt "$red" ] || fail "the panels do not show the loaded bitmap (red $red, blue $blue)"
stop_tapriko
echo "games: ok (huge picture refused in $took ms, peak memory $peak MB)"
