#!/usr/bin/env bash
# The Debian package: built by CPack from this build, it holds exactly the program's files, depends on
# what the program needs, installs with dpkg into a staging root (checked against the packages of this
# system, without root), starts from its menu entry there, and is removed without a trace.
set -euo pipefail
cpack_config=$1 version=$2
source "$(dirname "$0")/../e2e/lib.sh"

cpack -G DEB --config "$cpack_config" -B "$WORK/out" >"$WORK/cpack.log" 2>&1 || { cat "$WORK/cpack.log"; fail "cpack failed"; }
deb=$WORK/out/tapriko_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no package $deb: $(ls "$WORK/out")"

# --- fields ---
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tapriko ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version)"
depends=$(field Depends)
echo "Depends: $depends"
# Linked (found by dpkg-shlibdeps), and loaded at run time: the SVG image and icon plugins, the X11
# platform plugin, the SQLite driver, a CJK font.
for need in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6network6 libsdl2-2.0-0 libqt6svg6 libqt6gui6 \
            libqt6sql6-sqlite "fonts-noto-cjk |"; do
  [[ ", $depends" == *", $need"* ]] || fail "Depends lacks $need"
done

# --- files ---
id=org.tapriko.Tapriko
expected="./usr/bin/tapriko
./usr/share/applications/$id.desktop
./usr/share/metainfo/$id.metainfo.xml
./usr/share/man/man1/tapriko.1.gz
./usr/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 32 48 64 128 256; do expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"; done
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
diff <(echo "$expected" | sort) <(echo "$files") || fail "the package's files differ from the list above (< expected, > packaged)"
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = root/root ] || fail "files owned by $owners"

# --- install into a staging root, checked against this system's installed packages ---
root=$WORK/root
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
cp /var/lib/dpkg/status "$root/var/lib/dpkg/status"
stage_dpkg() { HOME=$WORK dpkg --root="$root" --log=/dev/null --force-not-root --force-bad-path "$@"; }
stage_dpkg -i "$deb" >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log"; fail "dpkg cannot install the package"; }

bin=$root/usr/bin/tapriko
[[ "$(file -b "$bin")" == *", stripped"* ]] || fail "the program is not stripped: $(file -b "$bin")"
# Asked over ssh, with no display at all.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin" --version)" = "Tapriko++ $version" ] || \
  fail "--version of the installed program"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "installed desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null || fail "installed metainfo"
gzip -dc "$root/usr/share/man/man1/tapriko.1.gz" | groff -man -ww -z -Tutf8 || fail "installed manual page"
for size in 16 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [ "$got" = "${size}x${size}" ] || fail "icon ${size}x${size} is $got"
done

# --- start it the way the menu does: the entry's command, found on the PATH, with the usual settings ---
start_display
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop" | sed 's/ *%[fFuU]//g')
read -r -a command <<<"$exec_line"
program=$(PATH=$root/usr/bin command -v "${command[0]}") || fail "Exec=${command[0]} is not in the package"
export XDG_CONFIG_HOME=$WORK/config XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
start_tapriko "$program" "${command[@]:1}"
screenshot package_menu_start
stop_tapriko
settings=$XDG_CONFIG_HOME/TAPRIKO_RUZIRODO/TAPRIKO_RUZIRODO.ini
[ -f "$settings" ] || fail "no settings written to $settings"
expect_setting START_COUNT COUNT 1

# --- and away again ---
stage_dpkg -r tapriko >"$WORK/dpkg.log" 2>&1 || { cat "$WORK/dpkg.log"; fail "dpkg cannot remove the package"; }
left=$(find "$root" -path "$root/var" -prune -o -print | grep -vx "$root" || true)
[ -z "$left" ] || fail "removal left files behind: $left"
echo "package: ok"
