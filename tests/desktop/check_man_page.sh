#!/usr/bin/env bash
# The manual page documents exactly the options the program lists in --help (so an option added later
# cannot be forgotten, nor a removed one linger), carries the program's version and formats cleanly.
set -euo pipefail
program=$1 page=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

# Option names in --help: "-h, --help", "--settings <FILE>", ...
from_help=$("$program" --help | grep -E '^ +-' | grep -oE -- '(^|[ ,])--?[a-zA-Z][a-zA-Z0-9-]*' | tr -d ' ,' | sort -u)
[ -n "$from_help" ] || fail "--help lists no options"

# Option names on the heading line of each item in the OPTIONS section.
documented=$(awk '/^\.SH / {in_options = ($2 == "OPTIONS"); next} in_options && heading {print} {heading = in_options && /^\.TP/}' "$page" |
             sed 's/\\-/-/g' | grep -oE -- '(^|[ "])--?[a-zA-Z][a-zA-Z0-9-]*' | tr -d ' "' | sort -u)
missing=$(comm -23 <(echo "$from_help") <(echo "$documented"))
[ -z "$missing" ] || fail "options in --help that the manual page does not describe: $missing"
stale=$(comm -13 <(echo "$from_help") <(echo "$documented"))
[ -z "$stale" ] || fail "options the manual page describes that the program does not have: $stale"

# A long option mentioned anywhere on the page must exist.
mentioned=$(sed 's/\\-/-/g' "$page" | grep -oE -- '--[a-zA-Z][a-zA-Z0-9-]*' | sort -u)
unknown=$(comm -23 <(echo "$mentioned") <(echo "$from_help"))
[ -z "$unknown" ] || fail "the manual page mentions options that do not exist: $unknown"

grep -q "^\.TH TAPRIKO 1 .*\"Tapriko++ $version\"" "$page" || fail "the manual page's heading does not name version $version"
warnings=$(groff -man -ww -z -Tutf8 "$page" 2>&1)
[ -z "$warnings" ] || fail "groff: $warnings"
echo "manual page: $(echo "$from_help" | wc -l) options, all documented"
