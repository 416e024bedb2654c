#!/usr/bin/env bash
# Renders the face pictures shown in the README into docs/: skin 0, every skin at 100 % and at 50 %, and the
# back face at both sizes. Run after changing the pictures: scripts/make-docs.sh [path/to/tapriko]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/tapriko}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$tmp}

render() { "$bin" --render-face "$@"; }
# The 50 % face fills only the window's top-left quarter.
crop_compact() { convert "$1" -crop 213x129+0+0 +repage "$1"; }

render docs/skin0.png --skin 0
for s in 0 1 2 3 4 5; do
  render "$tmp/skin$s.png" --skin "$s"
  render "$tmp/compact$s.png" --skin "$s" --compact
  crop_compact "$tmp/compact$s.png"
done
render "$tmp/back.png" --back
render "$tmp/back_compact.png" --back --compact
crop_compact "$tmp/back_compact.png"

# sheet OUTPUT COLUMNSxROWS PICTURES...
sheet() {
  local out=$1 tile=$2; shift 2
  montage "$@" -tile "$tile" -background '#2b2f36' -geometry +4+4 "$out"
}
sheet docs/skins.png 3x2 "$tmp"/skin{0,1,2,3,4,5}.png
sheet docs/skins_compact.png 6x1 "$tmp"/compact{0,1,2,3,4,5}.png
sheet docs/back.png 2x1 "$tmp/back.png" "$tmp/back_compact.png"
rm -f docs/compact.png
echo "docs/ pictures written"
