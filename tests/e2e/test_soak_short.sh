#!/usr/bin/env bash
# A minute of the soak after its warm-up (`make soak` runs it for 30 minutes).
exec "$(dirname "$0")/soak.sh" "$1" 60
