#!/usr/bin/env bash
# Fails when any file of the core includes a toolkit header.
set -u
hits=$(grep -rnE '#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/|SDL|X11/)' "$1")
if [ -n "$hits" ]; then
  echo "toolkit includes in the core:"; echo "$hits"; exit 1
fi
echo "core is toolkit-free"
