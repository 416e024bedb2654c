#!/usr/bin/env bash
# A start with the 50 % view and the skeleton skin stored: the face is shown that way, and the shutdown
# keeps view, skin and position.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
settings="$WORK/settings.ini"
printf '[PANEL]\nPOS_X=100\nPOS_Y=120\nSIZE=1\nSKIN=3\n' > "$settings"

start_tapriko "$1" --settings "$settings"
geometry=$(window_geometry)
[ "$geometry" = "100 120 436 288" ] || fail "window not where it was stored: $geometry"
sleep 0.3
screenshot stored_view
# The 50 % device sits in the top-left quarter: a pixel of its face is drawn, one right of it is not.
pixel() { convert "$ARTIFACTS/stored_view.png" -format "%[pixel:p{$1,$2}]" info:; }
[ "$(pixel $((100 + 100)) $((120 + 100)))" != "$(pixel 5 5)" ] || fail "the 50 % face is not drawn"
[ "$(pixel $((100 + 300)) $((120 + 100)))" = "$(pixel 5 5)" ] || fail "something is drawn outside the 50 % shape"
stop_tapriko

expect_setting PANEL SIZE 1
expect_setting PANEL SKIN 3
expect_setting PANEL POS_X 100
expect_setting PANEL POS_Y 120
echo "stored view: ok"
