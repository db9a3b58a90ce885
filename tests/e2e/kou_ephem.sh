#!/usr/bin/env bash
# The 七十二候 of the true basis, 1900-2100, against PyEphem's Sun (tests/consumers/kou_ephem.py).
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/data/*.dat "$work/"
"$cli" --folder "$work" --format json --output "$work/years.jsonl" 1900..2100
/usr/bin/python3 "$src/tests/consumers/kou_ephem.py" < "$work/years.jsonl"
