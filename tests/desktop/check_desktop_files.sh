#!/usr/bin/env bash
# The menu entry and the software-centre description pass their validators and agree with each other and
# with the build: one id, the installed program, the icon, and the version as the newest release.
set -euo pipefail
desktop=$1 metainfo=$2 version=$3 program=$4
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

id=$(basename "$desktop" .desktop)
entry() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(entry Exec | cut -d' ' -f1)" = "$program" ] || fail "Exec does not start $program"
[ "$(entry Icon)" = "$id" ] || fail "Icon is '$(entry Icon)', the icons are installed as '$id'"

# xml PATH [ATTRIBUTE]: the text, or the attribute, of every element at PATH in the metainfo, one a line.
xml() {
  python3 - "$metainfo" "$@" <<'PY'
import sys, xml.etree.ElementTree as ET
for node in ET.parse(sys.argv[1]).findall(sys.argv[2]):
    print(node.get(sys.argv[3], "") if len(sys.argv) > 3 else (node.text or "").strip())
PY
}
[ "$(xml id)" = "$id" ] || fail "metainfo id '$(xml id)' is not '$id'"
[ "$(xml launchable)" = "$id.desktop" ] || fail "metainfo launches '$(xml launchable)'"
[ "$(xml provides/binary)" = "$program" ] || fail "metainfo provides '$(xml provides/binary)'"
newest=$(xml releases/release version | head -n1)
[ "$newest" = "$version" ] || fail "newest release in the metainfo is $newest, the program is $version"
for shot in $(xml screenshots/screenshot/image); do
  [[ "$shot" == https://* ]] || fail "screenshot $shot is not a web address"
  [ -f "$(dirname "$0")/../../docs/${shot##*/}" ] || fail "screenshot ${shot##*/} is not among the pictures in docs/"
done
echo "desktop entry and metainfo: ok"
