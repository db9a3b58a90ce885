#!/usr/bin/env bash
# `ventorel-cli --date` as a user types it: Western and Japanese dates both ways
# (each 和暦 printed is looked up again and must give the same day), several
# texts at once, the JSON form, and dates that did not exist refused with exit 3.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -uo pipefail

cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/program"
mkdir "$folder"
cp "$src"/data/*.dat "$folder/"

fail=0
bad() { echo "FAIL: $1"; fail=1; }
field() { sed -n "s/^$1：//p"; }

checked=0
while IFS=$'\t' read -r text day wareki; do
  [[ -z "$text" || "$text" == \#* ]] && continue
  out=$("$cli" --folder "$folder" --date "$text" 2>&1) || bad "$text: exit $?: $out"
  [ "$(field 日付 <<<"$out")" = "$day" ] || bad "$text: 日付 $(field 日付 <<<"$out"), not $day"
  [ "$(field 和暦 <<<"$out")" = "$wareki" ] || bad "$text: 和暦 $(field 和暦 <<<"$out"), not $wareki"
  # Back again: the last (or only) Japanese date names the same day.
  back=${wareki##*・}
  again=$("$cli" --folder "$folder" --date "$back" 2>&1 | field 日付)
  [ "$again" = "$day" ] || bad "$back: 日付 $again, not $day"
  checked=$((checked + 1))
done < "$src/tests/e2e/dates.tsv"
echo "ok: $checked dates both ways"

# Several texts at once, and one line of JSON each.
[ "$("$cli" --folder "$folder" --date 2024-01-01 --date 令和6年1月2日 | grep -c '^日付：')" -eq 2 ] || bad "two --date"
json=$("$cli" --folder "$folder" --format json --date 1703-01-30)
python3 -c 'import json,sys; d=json.loads(sys.argv[1]); w=d["wareki"][0]
assert (w["era"], w["year"], w["month"], w["day"], w["text"], w["court"]) == ("元禄", 15, 12, 14, "元禄15年12月14日", None), w' \
  "$json" || bad "json day of 1703-01-30: $json"

# The 暦注 of a day in the 閏 of the 日家九星, and the 候 that begins with its minute.
[ "$("$cli" --folder "$folder" --date 2008-12-20 | field 九星)" = "日 七赤・月 七赤・年 一白" ] || bad "九星 of 2008-12-20"
[ "$("$cli" --folder "$folder" --date 2024-02-04 | field 七十二候)" = "東風解凍（この日 17:27 から）" ] || bad "候 of 2024-02-04"

# The 彼岸 week of 2024 as the almanacs mark it: its first day, its 中日 (春分) and its last day.
higan=
for d in 17 18 19 20 21 22 23; do higan+="$("$cli" --folder "$folder" --date 2024-03-$d | field 雑節),"; done
[ "$higan" = "彼岸の入り,,,彼岸,,,彼岸明け," ] || bad "彼岸 of 2024-03-17..23: $higan"
[ "$("$cli" --folder "$folder" --date 2019-05-01 | field 祝日)" = "天皇の即位の日" ] || bad "holiday of 2019-05-01"

# Dates that did not exist: a message naming what is wrong, exit 3, nothing on standard output.
for text in 元禄15年2月30日 令和元年4月30日 明治99年1月1日 令和2年13月1日 平成元年閏1月1日 明治5年12月3日 \
  2023-02-29 2024-13-01 J1582-02-30 いつか 慶長元年 大宝0年1月1日; do
  status=0
  out=$("$cli" --folder "$folder" --date "$text" 2> "$work/err") || status=$?
  [ "$status" -eq 3 ] || bad "$text: exit $status, not 3"
  [ -z "$out" ] || bad "$text: printed a day: $out"
  [ "$(wc -l < "$work/err")" -eq 1 ] || bad "$text: not one line of message: $(cat "$work/err")"
done

# A future 改元 is one added line; a damaged line refuses the file, naming the line.
future="$work/future"
cp -r "$folder" "$future"
echo "both,未来,era,2462868,2031-01-01," >> "$future/era_starts.dat"
[ "$("$cli" --folder "$future" --date 2031-01-01 | field 和暦)" = "未来元年1月1日" ] || bad "a new era from its line"
[ "$("$cli" --folder "$future" --date 未来2年3月4日 | field 日付)" = "2032-03-04（木）" ] || bad "a new era's date back"
[ "$("$cli" --folder "$future" --date 2030-12-31 | field 和暦)" = "令和12年12月31日" ] || bad "the day before a new era"
echo "both,過去,era,2462869,2031-01-01," >> "$future/era_starts.dat"
status=0
"$cli" --folder "$future" --date 2024-01-01 > /dev/null 2> "$work/err" || status=$?
[ "$status" -eq 7 ] && grep -q "era_starts.dat 297行目" "$work/err" || bad "a damaged era line: exit $status, $(cat "$work/err")"

# The Japanese date of the days of 807 years against the truth derived from the
# era starts and the months of the old calendar.
python3 "$src/tests/consumers/check_wareki.py" "$cli" "$folder" "$src/data/era_starts.dat" \
  "$src/data/source/kyureki_445_1872.csv" || bad "wareki of 445..2030"

[ "$fail" -eq 0 ] && echo "ok: --date"
exit $fail
