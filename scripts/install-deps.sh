#!/usr/bin/env bash
# Installs the Debian packages Vantor builds, runs and tests with, and only
# those that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libx11-dev
  libgtest-dev libgmock-dev googletest
  fonts-liberation fonts-dejavu-core
  xvfb xdotool x11-utils imagemagick poppler-utils xclip
  openbox wmctrl xdg-utils
  desktop-file-utils libglib2.0-bin file
  cups-daemon cups-client cups-filters-core-drivers
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
