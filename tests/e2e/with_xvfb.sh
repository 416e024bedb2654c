#!/usr/bin/env bash
# Runs a command on its own virtual X display.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" env QT_QPA_PLATFORM=xcb "$@"
