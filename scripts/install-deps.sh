#!/usr/bin/env bash
# Installs what building, running and testing need, from the distribution's packages. Only what is
# missing is installed; on a system without apt-get it says what to install.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev
  libsdl2-dev libx11-dev libxkbcommon-dev
  libgtest-dev libgmock-dev
  xvfb xdotool x11-xserver-utils x11-utils x11-xkb-utils imagemagick
  fonts-noto-cjk libqt6sql6-sqlite
  dpkg-dev file desktop-file-utils appstream groff-base python3 openbox
)

if ! command -v apt-get >/dev/null 2>&1; then
  echo "Please install with your package manager: ${PACKAGES[*]}" >&2
  echo "(on Windows: Qt 6 with Qt SVG, SDL2, GoogleTest and CMake)" >&2
  exit 0
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
