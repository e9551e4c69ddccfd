#!/usr/bin/env bash
# Installs the Debian packages the build, the tests (the screen-reader check:
# the session bus, AT-SPI, xdotool), the sample disc and the Debian package
# (dpkg-dev: its dependencies) need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
packages=(
  cmake ninja-build g++ pkg-config libgstreamer1.0-dev
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  gstreamer1.0-plugins-bad gstreamer1.0-libav
  qt6-qpa-plugins libgl-dev libiso9660-dev libxcb1-dev
  xvfb xauth poppler-utils sox gstreamer1.0-tools xorriso
  desktop-file-utils appstream dpkg-dev
  dbus-daemon at-spi2-core python3-pyatspi xdotool
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
