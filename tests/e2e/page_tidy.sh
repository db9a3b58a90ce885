#!/usr/bin/env bash
# The true-basis page passes HTML Tidy without errors or warnings, for a year of
# today (2024), one with a leap 11th month (2033), one before the modern holidays
# (1702) and one before the eras (-660).
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2

command -v tidy > /dev/null || { echo "FAIL: tidy is not installed (scripts/install-deps.sh installs it)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/data/*.dat "$work/"

fail=0
for year in 2024 2033 1702 -660; do
  "$cli" --folder "$work" --format htm -- "$year" > /dev/null 2> "$work/err" || {
    echo "FAIL: $year: ventorel-cli exited with $?: $(cat "$work/err")"; fail=1; continue; }
  if [ "${year:0:1}" = "-" ]; then page="$work/${year}年カレンダー.htm"; else page="$work/${year}年カレンダー.htm"; fi
  status=0
  tidy -q -o /dev/null < "$page" 2> "$work/tidy" || status=$?
  if [ "$status" -eq 0 ] && [ ! -s "$work/tidy" ]; then
    echo "ok: $year: no errors, no warnings"
  else
    echo "FAIL: $year: tidy exit status $status"; head -n 20 "$work/tidy"; fail=1
  fi
done
exit $fail
