#!/usr/bin/env bash
# Starts Ventorel in the build's program folder, where the shipped data files
# lie and the calendars are written. Without a display (or without the window,
# when Qt 6 was not found) it makes the calendar of the current year with the
# command line instead and says where the file is.
set -euo pipefail
build=${1:-build}
folder="$build/program"
has_display() { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }

if has_display && [ -x "$folder/ventorel" ]; then
  cd "$folder" && exec ./ventorel
fi
if ! has_display; then
  echo "run: no display here; making this year's calendar with the command line instead."
else
  echo "run: the window was not built (Qt 6 Widgets not found); using the command line instead."
fi
year=$(date +%Y)
cd "$folder"
# The program prints the path of the file it wrote (the format saved in ini.dat
# decides which); a missing data file is told on standard error.
status=0
written=$(./ventorel-cli "$year") || status=$?
if [ -n "$written" ]; then
  echo "run: the calendar is $written"
else
  echo "run: no calendar file was written in $(pwd)" >&2
fi
exit "$status"
