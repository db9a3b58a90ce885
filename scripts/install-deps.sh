#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ventorel need,
# and only those that are missing. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  qt6-base-dev libgl1-mesa-dev
  xvfb xauth x11-apps imagemagick xdotool
  chromium
  fonts-ipafont-gothic fonts-ipafont-mincho
  xdg-utils
  liberfa-dev nlohmann-json3-dev
  tidy poppler-utils python3-icalendar python3-jsonschema python3-ephem
  desktop-file-utils appstream dpkg-dev groff-base
  libreoffice-calc
)

# `install-deps.sh --run`: only what building and running the two programs needs.
if [ "${1:-}" = "--run" ]; then
  packages=(build-essential cmake pkg-config qt6-base-dev libgl1-mesa-dev xdg-utils
            fonts-ipafont-gothic fonts-ipafont-mincho liberfa-dev nlohmann-json3-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
