#!/usr/bin/env bash
# The true-basis page of 2024, made by ventorel-cli from the shipped data files,
# byte for byte against tests/golden/page/2024.htm. With --update as the fourth
# argument the golden file is rewritten instead; review its diff before committing.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder [, --update].
set -euo pipefail

cli=$1
src=$2
golden="$src/tests/golden/page/2024.htm"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/data/*.dat "$work/"
"$cli" --folder "$work" --format htm 2024 > /dev/null 2> "$work/err" || {
  echo "FAIL: ventorel-cli exited with $?: $(cat "$work/err")"; exit 1; }
made="$work/2024年カレンダー.htm"

if [ "${4:-}" = "--update" ]; then
  mkdir -p "$(dirname "$golden")"
  cp "$made" "$golden"
  echo "written $golden"
elif cmp -s "$made" "$golden"; then
  echo "ok: the 2024 page matches its golden file"
else
  echo "FAIL: the 2024 page differs from $golden"
  diff "$golden" "$made" | head -n 8 | cut -c 1-300
  exit 1
fi
