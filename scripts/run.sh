#!/usr/bin/env bash
# Starts Ventorel in the build's program folder. Without a display it makes the
# calendar of the current year with the command line instead.
set -euo pipefail
build=${1:-build}
folder="$build/program"
if [ -x "$folder/ventorel" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  cd "$folder" && exec ./ventorel
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run: no display here; making this year's calendar with the command line instead."
fi
year=$(date +%Y)
cd "$folder"
./ventorel-cli --transcript "$year"
echo "run: the calendar is $(pwd)/ ${year}年カレンダー.htm"
