#!/usr/bin/env bash
# Runs the settings fuzz target: run.sh BINARY SECONDS WORKDIR. New inputs it finds go into
# WORKDIR/corpus (the committed corpus is only read), a failing input into WORKDIR/crashes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$1 seconds=$2 work=$3
mkdir -p "$work/corpus" "$work/crashes"
exec "$bin" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 -dict="$here/settings.dict" \
  -artifact_prefix="$work/crashes/" "$work/corpus" "$here/corpus"
