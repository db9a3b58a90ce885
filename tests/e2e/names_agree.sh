#!/usr/bin/env bash
# One name per thing: the page, the data CSV, iCalendar, JSON and --date of the true
# basis name every day's holiday, term, 雑節, 節句, 選日, 六曜 and 干支 alike, in
# 2024 and in 1336 (two courts, a historical calendar), each name the name table's.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/data/*.dat "$work/"
python3 "$src/tests/consumers/check_names.py" "$cli" "$work" "$src" 2024 1336
