#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing; arguments add more.
# qt6-translations-l10n gives Qt's dialogs their German texts, libqt6svg6 draws the SVG icon.
set -euo pipefail
packages=(cmake g++ ninja-build pkg-config libgtest-dev libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libegl-dev fonts-dejavu-core
          qt6-translations-l10n libqt6svg6 "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
