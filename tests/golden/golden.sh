#!/usr/bin/env bash
# Compares the classic calendars (--classic) of every year in years.txt, made by ventorel-cli from the
# shipped data files, with the stored golden files: the page (classic/Y.htm), the
# CSV file (classic/Y.csv) and the lines printed on the window (classic/Y.transcript,
# the same for both formats). Messages shown during a run go to classic/Y.messages;
# a year without that file must show none (--quiet: the paths of the files written are no message).
#
# Usage: golden.sh CLI SOURCE_DIR            compare, exit 1 on any difference
#        golden.sh CLI SOURCE_DIR --update   rewrite the golden files
set -uo pipefail

cli=$1
src=$2
update=${3:-}
here="$src/tests/golden"
dir="$here/classic"
mkdir -p "$dir"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/data/*.dat "$work/"

# The file name is the year as typed, with a space in place of the sign of a positive year.
fileStem() { if [ "${1:0:1}" = "-" ]; then echo "$1年カレンダー"; else echo " $1年カレンダー"; fi; }

fail=0
count=0
while read -r year; do
  [ -z "$year" ] && continue
  count=$((count + 1))
  stem=$(fileStem "$year")
  for format in htm csv; do
    "$cli" --folder "$work" --format "$format" --classic --transcript --quiet -- "$year" > "$work/out.$format" 2> "$work/err.$format"
    status=$?
    if [ "$status" -ne 0 ]; then
      echo "FAIL: $year ($format): exit status $status: $(cat "$work/err.$format")"
      fail=1
    fi
  done
  if [ "$update" = "--update" ]; then
    cp "$work/$stem.htm" "$dir/$year.htm"
    cp "$work/$stem.csv" "$dir/$year.csv"
    cp "$work/out.htm" "$dir/$year.transcript"
    if [ -s "$work/err.htm" ]; then cp "$work/err.htm" "$dir/$year.messages"; else rm -f "$dir/$year.messages"; fi
    continue
  fi
  expectedMessages=/dev/null
  [ -f "$dir/$year.messages" ] && expectedMessages="$dir/$year.messages"
  for pair in "$stem.htm:$year.htm" "$stem.csv:$year.csv" "out.htm:$year.transcript" "out.csv:$year.transcript" \
              "err.htm:$expectedMessages" "err.csv:$expectedMessages"; do
    made="$work/${pair%%:*}"
    want="${pair#*:}"
    [ "${want:0:1}" = "/" ] || want="$dir/$want"
    if ! cmp -s "$made" "$want"; then
      echo "FAIL: $year: ${pair%%:*} differs from $(basename "$want")"
      diff <(iconv -f UTF-8 -t UTF-8 "$want") <(iconv -f UTF-8 -t UTF-8 "$made") | head -n 6
      fail=1
    fi
  done
  rm -f "$work/$stem.htm" "$work/$stem.csv"
done < "$here/years.txt"

if [ "$update" = "--update" ]; then
  echo "golden files of $count years written to $dir"
else
  [ "$fail" -eq 0 ] && echo "ok: $count years match their golden files"
fi
exit $fail
