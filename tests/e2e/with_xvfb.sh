#!/usr/bin/env bash
# Runs a command on its own virtual X display, started the same way as for the end-to-end tests.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
start_display
QT_QPA_PLATFORM=xcb "$@"
