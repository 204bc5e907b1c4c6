#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Mezura need.
# Only missing packages are installed, so a set-up machine pays one dpkg query.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 libgl-dev
  # A Wayland session without XWayland: Qt's Wayland platform.
  qt6-wayland
  libgtest-dev libgmock-dev libbenchmark-dev
  # The Wayland start test: a headless weston, with Xwayland and xwininfo for
  # its XWayland half.
  weston xwayland
  clang libclang-rt-dev
  fonts-dejavu-core fonts-liberation2
  poppler-utils
  # make install-check: the launcher's, metainfo's, MIME package's and manual page's checkers.
  desktop-file-utils appstream libxml2-utils shared-mime-info groff-base
  # The window-manager test: its own X server and openbox, read and driven
  # from outside (xwininfo and xprop are in x11-utils).
  xvfb openbox xdotool x11-utils
  # The screen-reader test: the AT-SPI bus and registry, a session bus, and
  # the client that reads the program's accessible tree.
  at-spi2-core dbus-daemon python3-pyatspi
)
if [ "${1:-}" = "--desktop" ]; then
  # Looking at the program under a virtual display (screenshots).
  packages+=(imagemagick)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
