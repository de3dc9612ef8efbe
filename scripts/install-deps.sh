#!/usr/bin/env bash
# Installs the Debian packages Kesora needs to build, run and test, and only
# those that are missing. Runs apt-get as root, or through sudo otherwise.
set -euo pipefail

packages=(
  # build and test
  cmake ninja-build g++ clang qt6-base-dev libqt6sql6-sqlite
  # Japanese look: IPA P fonts and Qt's Japanese translation
  fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n
  # music and click sound
  libfluidsynth-dev timgm6mb-soundfont libsdl2-dev
  # printing: CUPS's client library, and a CUPS PDF queue for the end-to-end print test
  libcups2-dev cups printer-driver-cups-pdf
  # end-to-end checks and pictures
  xvfb xdotool imagemagick poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
