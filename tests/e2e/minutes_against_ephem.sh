#!/usr/bin/env bash
# The printed minute of every term and new moon of 1900-2100 (true basis, JSON)
# against PyEphem's instants rounded by the check itself
# (tests/consumers/check_minutes.py). A few seconds' work.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2
py=/usr/bin/python3  # Debian's python3-ephem lives here

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/data/*.dat "$work/"
"$cli" --folder "$work" --format json --stdout 1900..2100 > "$work/sky.jsonl" 2> "$work/err" || {
  echo "FAIL: ventorel-cli exited with $?: $(cat "$work/err")"; exit 1; }
status=0
$py "$src/tests/consumers/check_minutes.py" "$work/sky.jsonl" > "$work/out" || status=$?
head -n 1 "$work/out"
exit $status
