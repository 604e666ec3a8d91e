#!/usr/bin/env bash
# Installs what building, running and testing Chromaflick need on Debian 12.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang clang-format libclang-rt-14-dev mold
    qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev libxcb1-dev libxcb-present-dev
    libwayland-dev wayland-protocols plasma-wayland-protocols libxkbcommon-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libbenchmark-dev
    xvfb xdotool imagemagick x11-utils x11-xkb-utils x11-xserver-utils weston qt6-wayland xwayland
    fonts-liberation2 desktop-file-utils appstream dpkg-dev file man-db dbus-daemon
    at-spi2-core python3-pyatspi
    sway grim swayidle wtype wayland-utils
    openbox
    argyll python3 x11-apps
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Rebuilding the manual's index after every package is minutes of an install on a fresh machine.
echo "man-db man-db/auto-update boolean false" | $sudo debconf-set-selections
$sudo rm -f /var/lib/man-db/auto-update
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
