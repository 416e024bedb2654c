#!/usr/bin/env bash
# First start with an empty settings file: the window appears centred, SIGTERM runs the normal shutdown
# and the file then holds the first-run values.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
settings="$WORK/settings.ini"
: > "$settings"

start_tapriko "$1" --settings "$settings"
geometry=$(window_geometry)
echo "window: $geometry"
[ "$geometry" = "294 240 436 288" ] || fail "window not centred on the 1024x768 screen: $geometry"
screenshot first_start
stop_tapriko

expect_setting KEYSETUP KEY_SELECT 90
expect_setting KEYSETUP KEY_START 88
expect_setting KEYSETUP KEY_B 67
expect_setting KEYSETUP KEY_A 86
expect_setting KEYSETUP BUTTON_SELECT 0
expect_setting KEYSETUP BUTTON_START 1
expect_setting KEYSETUP BUTTON_B 2
expect_setting KEYSETUP BUTTON_A 3
expect_setting START_COUNT COUNT 1
expect_setting PANEL FORWARD True
expect_setting PANEL SKIN 0
expect_setting PANEL SIZE 0
expect_setting PANEL POS_X 294
expect_setting PANEL POS_Y 240
echo "first start: ok"
