#!/usr/bin/env bash
# The true basis's CSV file opened in LibreOffice Calc (headless, converted to
# .ods as the import dialog reads it: comma, double quote, UTF-8): the dates are
# dates, the numbers numbers, the times times, the Japanese intact; a date before year 1 and a
# holiday name beginning with "=" come out as text, not as formulas.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2

command -v soffice > /dev/null || { echo "FAIL: soffice is not installed (scripts/install-deps.sh installs it)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/data/*.dat "$work/"

fail=0
"$cli" --folder "$work" --format csv -- 2024 1336 -660 || { echo "FAIL: ventorel-cli exited with $?"; exit 1; }
mkdir "$work/ods" "$work/in"
cp "$work/2024年カレンダー.csv" "$work/in/y2024.csv"
cp "$work/1336年カレンダー.csv" "$work/in/y1336.csv"
HOME="$work" soffice --headless --infilter="CSV:44,34,76,1" --convert-to ods --outdir "$work/ods" \
  "$work/in/y2024.csv" "$work/in/y1336.csv" > /dev/null 2>&1 || { echo "FAIL: soffice failed"; exit 1; }
py=/usr/bin/python3
$py "$src/tests/consumers/check_ods.py" "$work/ods/y2024.ods" 366 祝日=元日 和暦=令和6年1月1日 二十四節気=立春 \
  雑節=節分 選日=天赦日・一粒万倍日・甲子 七十二候=雪下出麦 九星=一白 || fail=1
$py "$src/tests/consumers/check_ods.py" "$work/ods/y1336.ods" 366 "和暦=北朝 建武3年6月15日・南朝 延元元年6月15日" \
  ユリウス暦=1335-12-24 暦法=宣明暦 || fail=1

csv="$work/-660年カレンダー.csv"
grep -q $'^"\'-0659-02-11",' "$csv" && ok=1 || ok=0
[ $ok -eq 1 ] && echo "ok: -660: the date before year 1 is guarded" || { echo "FAIL: -660: $(sed -n 43p "$csv")"; fail=1; }

# A holiday file whose name begins with "=": the cell gets a leading ', as in the classic file.
sed -i "s/ 元日$/ =1+1/" "$work/holiday_law.dat"
"$cli" --folder "$work" --format csv 2024 || true
grep -q '^"2024-01-01","","月","令和6年1月1日",[0-9]*,0,[0-9]*,"'"'"'=1+1"' "$work/2024年カレンダー.csv" &&
  echo "ok: a formula name is guarded" || { echo "FAIL: formula name: $(sed -n 2p "$work/2024年カレンダー.csv")"; fail=1; }
exit $fail
