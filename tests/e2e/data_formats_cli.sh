#!/usr/bin/env bash
# The iCalendar and JSON files checked by real consumers: the Python icalendar
# library reads the .ics as a calendar app would, jsonschema validates the JSON
# against the published schema, and both are compared day by day with the CSV
# file of the same year. Also the year ranges, --stdout, --output, the progress
# line on a terminal, and the refusals.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2
py=/usr/bin/python3  # Debian's python3-icalendar and python3-jsonschema live here
checks="$src/tests/consumers"
schema="$src/docs/calendar-year.schema.json"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/program"
mkdir "$folder"
cp "$src"/data/*.dat "$folder/"

fail=0
ok() { echo "ok: $1"; }
bad() { echo "FAIL: $1"; fail=1; }
run() { "$cli" --folder "$folder" --quiet "$@"; }

# The CSV files are the reference for both formats: the golden years, which reach
# from the far past to the far future, and a range across year 0.
read -r -d '' -a golden < "$src/tests/golden/years.txt" || true
run --format csv -- 2020..2029 -3..3 "${golden[@]}" 2> /dev/null || bad "the CSV runs failed"

for year in 2024 2033; do
  run --format ics $year || bad "ics $year exited $?"
  $py "$checks/check_ics.py" "$folder/$year年カレンダー.ics" "$folder/$year年カレンダー.csv" || bad "ics $year"
done
holidays=$(grep -c '^CATEGORIES:祝日' "$folder/2024年カレンダー.ics" || true)
[ "$holidays" -eq 21 ] && ok "2024: 21 holidays" || bad "2024: $holidays holidays"

# Exported again (a later DTSTAMP): the same UIDs, and nothing else changed but the stamp.
cp "$folder/2024年カレンダー.ics" "$work/first.ics"
SOURCE_DATE_EPOCH=2000000000 run --format ics 2024
diff <(grep -v '^DTSTAMP' "$work/first.ics") <(grep -v '^DTSTAMP' "$folder/2024年カレンダー.ics") > /dev/null &&
  ok "re-export gives the same UIDs and events" || bad "re-export differs"
grep -q '^DTSTAMP:20330518T033320Z' "$folder/2024年カレンダー.ics" && ok "SOURCE_DATE_EPOCH sets DTSTAMP" ||
  bad "DTSTAMP ignores SOURCE_DATE_EPOCH"
for epoch in 253402300799 253402300800 99999999999999999999 -1 12x; do
  SOURCE_DATE_EPOCH=$epoch run --format ics --stdout 2024 > "$work/stamped.ics"
  grep -m1 '^DTSTAMP' "$work/stamped.ics" >> "$work/stamps"
done
[ "$(grep -c $'^DTSTAMP:[0-9]\{8\}T[0-9]\{6\}Z\r$' "$work/stamps")" -eq 5 ] && grep -q '^DTSTAMP:99991231T235959Z' "$work/stamps" &&
  ok "a SOURCE_DATE_EPOCH beyond 9999 or not a number is not taken" || bad "stamps: $(cat "$work/stamps")"

run --format ics --ics-include rokuyo,senjitsu --stdout 2024 > "$work/all.ics"
$py "$checks/check_ics.py" "$work/all.ics" "$folder/2024年カレンダー.csv" --include rokuyo,senjitsu ||
  bad "ics with 六曜 and 選日"
run --format ics --ics-include kou,rekichu --stdout 2024 > "$work/rekichu.ics"
$py "$checks/check_ics.py" "$work/rekichu.ics" "$folder/2024年カレンダー.csv" --include kou,rekichu &&
  grep -q '^SUMMARY:東風解凍 17:27' "$work/rekichu.ics" || bad "ics with 七十二候 and 暦注"

run --format ics --output "$work/range.ics" 2023..2025 || bad "ics range into one file exited $?"
$py "$checks/check_ics.py" "$work/range.ics" "$folder"/202[345]年カレンダー.csv || bad "ics of 2023..2025"

# JSON: ten files for a range, and every document of a range on standard output.
run --format json 2020..2029 || bad "json 2020..2029 exited $?"
files=$(ls "$folder"/202?年カレンダー.json | wc -l)
[ "$files" -eq 10 ] && ok "2020..2029 writes ten files" || bad "2020..2029 wrote $files files"
$py "$checks/check_json.py" "$schema" "$folder" "$folder"/202?年カレンダー.json || bad "json files of 2020..2029"
run --format json --stdout -- -3..3 "${golden[@]}" > "$work/golden.jsonl" 2> "$work/err"
[ "$(grep -c '紀元0年はないので飛ばします' "$work/err")" -eq 1 ] && ok "year 0 skipped with one line" ||
  bad "year 0: $(cat "$work/err")"
$py "$checks/check_json.py" "$schema" "$folder" "$work/golden.jsonl" || bad "json of the golden years"

# The golden years that iCalendar can date, in one calendar.
dated=(); csvs=()
for y in "${golden[@]}"; do
  if [ "$y" -ge 1 ] && [ "$y" -le 9999 ]; then dated+=("$y"); csvs+=("$folder/$y年カレンダー.csv"); fi
done
run --format ics --output "$work/golden.ics" -- "${dated[@]}" || bad "ics of the golden years exited $?"
$py "$checks/check_ics.py" "$work/golden.ics" "${csvs[@]}" || bad "ics of the golden years"

# The classic basis agrees with its own CSV file; its terms have no time.
classic="$work/classic"
mkdir "$classic"
cp "$src"/data/*.dat "$classic/"
for format in csv json ics; do "$cli" --folder "$classic" --quiet --classic --format $format 2033 || bad "classic $format"; done
$py "$checks/check_json.py" "$schema" "$classic" "$classic/ 2033年カレンダー.json" || bad "classic json"
$py "$checks/check_ics.py" "$classic/ 2033年カレンダー.ics" "$classic/ 2033年カレンダー.csv" || bad "classic ics"
# The classic 2024 calendar byte for byte: the UIDs must not change between
# versions, or a re-import doubles the events. After an intended change:
# SOURCE_DATE_EPOCH=1704067200 ventorel-cli --classic --format ics --stdout 2024 > tests/consumers/golden-2024-classic.ics
SOURCE_DATE_EPOCH=1704067200 "$cli" --folder "$classic" --classic --format ics --stdout 2024 > "$work/classic.ics"
cmp -s "$work/classic.ics" "$checks/golden-2024-classic.ics" && ok "classic 2024 ics equals its golden file" ||
  bad "classic 2024 ics differs from its golden file: $(diff "$checks/golden-2024-classic.ics" "$work/classic.ics" | head -5)"
SOURCE_DATE_EPOCH=1704067200 "$cli" --folder "$classic" --classic --format ics 2024 || bad "classic ics 2024"
cmp -s "$classic/ 2024年カレンダー.ics" "$checks/golden-2024-classic.ics" && ok "the file of a year is that text too" ||
  bad "classic 2024 ics file differs from its golden file"
# The classic JSON of a year of two courts and of 2024, byte for byte. After an intended change:
# ventorel-cli --classic --format json --stdout 1350 2024 > tests/consumers/golden-classic.jsonl
"$cli" --folder "$classic" --classic --format json --stdout 1350 2024 > "$work/classic.jsonl"
cmp -s "$work/classic.jsonl" "$checks/golden-classic.jsonl" && ok "classic json equals its golden file" ||
  bad "classic json differs from its golden file: $(cmp "$checks/golden-classic.jsonl" "$work/classic.jsonl")"
grep -q $'^SUMMARY:立春\r$' "$classic/ 2033年カレンダー.ics" && grep -q $'^SUMMARY:立春 [0-9][0-9]:[0-9][0-9]\r$' \
  "$folder/2033年カレンダー.ics" && ok "terms carry their time on the true basis only" || bad "term times"

# A batch of more than a second shows its progress on a terminal, and only there.
# A reader of standard output that starts late holds the batch up past the
# second, however fast the machine makes the years.
script -qec "$cli --folder $folder --format json --stdout 1..1000 | { sleep 1.5; cat > /dev/null; }" /dev/null \
  > "$work/tty" || true
grep -q '1000/1000 年' "$work/tty" && ok "progress on a terminal" || bad "no progress line: $(tail -c 200 "$work/tty")"
run --format json --stdout 1..1000 2> "$work/err" | { sleep 1.5; cat > /dev/null; }
run --format json --output "$work/long.jsonl" 1..1000 2>> "$work/err"
[ ! -s "$work/err" ] && ok "no progress into a file" || bad "progress without a terminal: $(tail -c 200 "$work/err")"
[ "$(wc -l < "$work/long.jsonl")" -eq 1000 ] && ok "1..1000 into one file: 1000 lines" || bad "1..1000 into one file"
# The disk fills up early in a range of a hundred million years: one message, exit
# 6, the file as it was, no temporary file left, and the run stops there.
cp "$work/long.jsonl" "$work/before.jsonl"
status=0; (ulimit -f 1000; run --format json --output "$work/long.jsonl" 1..100000000 2> "$work/err") || status=$?
[ "$status" -eq 6 ] && [ "$(grep -c '^message: ' "$work/err")" -eq 1 ] && cmp -s "$work/long.jsonl" "$work/before.jsonl" &&
  ! ls "$work" | grep -q '\.part-' && ok "a full disk halfway: exit 6, one message, the old file kept" ||
  bad "a full disk halfway: exit $status: $(cat "$work/err"; ls "$work")"

# Refusals: years iCalendar cannot date, contradictory options, a backward range.
status=0; run --format ics 10000 2> "$work/err" || status=$?
[ "$status" -eq 5 ] && grep -q "^message: iCalendar" "$work/err" && ok "year 10000 in ics: exit 5 with a message" ||
  bad "year 10000 in ics: exit $status: $(cat "$work/err")"
# A range is checked against what the format can make before anything is made.
for args in "--format htm --stdout 2024" "--format ics --stdout --output x 2024" "--format json 2030..1990" \
            "--format ics --ics-include moon 2024" "--format json --stdout --transcript 2024" \
            "--format ics --output $work/x.ics 9990..20000" "--format ics --stdout -5..5" \
            "--format json --stdout 2000000000000..9007199254740992"; do
  status=0; run $args > /dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] && ok "usage error: $args" || bad "$args exited $status"
done
[ ! -e "$work/x.ics" ] && ok "a refused range writes nothing" || bad "a refused range wrote $work/x.ics"

# Year texts that make no year: a fraction where only whole years are made (the
# classic HTML and CSV keep theirs), a number beyond a double (not year 0).
huge=1$(printf '0%.0s' $(seq 1 320))
while read -r want message args; do
  status=0; run $args > /dev/null 2> "$work/err" || status=$?
  [ "$status" -eq "$want" ] && { [ "$message" = - ] || grep -qF "$message" "$work/err"; } && ok "$args: exit $status" ||
    bad "$args: exit $status, wanted $want: $(head -c 200 "$work/err")"
done << END
3 整数の年ではありません --format ics --output $work/frac.ics 2024.5
3 整数の年ではありません --format json --stdout 2024.5
3 「0.4」は整数の年ではありません --format csv 0.4
3 「-0.5」は整数の年ではありません -0.5
3 整数の年ではありません --holidays 2024.5
3 整数の年ではありません --classic --format json --stdout 2024.5
0 - --classic --format csv 2024.5
0 - --classic --holidays 2024.5
3 年が大きすぎます $huge
3 年が大きすぎます --holidays -$huge
END
[ ! -e "$work/frac.ics" ] && ok "no iCalendar of a fractional year" || bad "an iCalendar of 2024.5 was written"

# Standard output that cannot take the text (a full device, made here; a closed
# descriptor; a reader gone while SIGPIPE is ignored): one message, exit 6, and
# the run stops there instead of making every year.
mknod "$work/full" c 1 7
while read -r redirect args; do
  status=0
  case $redirect in
    full) run $args > "$work/full" 2> "$work/err" || status=$? ;;
    closed) run $args >&- 2> "$work/err" || status=$? ;;
    pipe) (trap '' PIPE; run $args 2> "$work/err" | head -c 100 > /dev/null; exit "${PIPESTATUS[0]}") || status=$? ;;
  esac
  [ "$status" -eq 6 ] && [ "$(grep -c '標準出力に書き込めませんでした' "$work/err")" -eq 1 ] &&
    ok "standard output $redirect: $args: exit 6, one message" ||
    bad "standard output $redirect: $args: exit $status: $(head -c 300 "$work/err")"
done << END
full --format json --stdout 2024
full --holidays 2024
full --transcript --format csv 2024
full --format ics --stdout 2024..2025
closed --format json --stdout 2024
closed --holidays 1..100000
pipe --format json --stdout 1..100000
END

exit $fail
