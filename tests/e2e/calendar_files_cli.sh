#!/usr/bin/env bash
# The calendar files as a user of the command line meets them: the file names
# and the paths printed, several years in one call, a second run replacing the
# file, the blank-led names of files made before, a run without the data files
# (no file, exit 7, one line), and a file that cannot be written (a message
# naming it, exit status 6, the old file intact).
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
folder="$work/program"
mkdir "$folder"
if compgen -G "$src/data/*.dat" > /dev/null; then cp "$src"/data/*.dat "$folder/"; fi

fail=0
ok() { echo "ok: $1"; }
bad() { echo "FAIL: $1"; fail=1; }

status=0
"$cli" --folder "$folder" --format csv 2024 > "$work/out" 2> "$work/err" || status=$?
[ "$status" -eq 0 ] && ok "csv run exits 0" || bad "csv run exited $status: $(cat "$work/err")"
csv="$folder/2024年カレンダー.csv"
[ -f "$csv" ] && ok "\"2024年カレンダー.csv\" written" || bad "no \"2024年カレンダー.csv\": $(ls "$folder")"
[ "$(cat "$work/out")" = "$csv" ] && ok "the run prints the file's path" || bad "printed: $(cat "$work/out")"
[ "$(head -c 3 "$csv" | od -An -tx1 | tr -d ' \n')" = "efbbbf" ] && ok "UTF-8 byte-order mark" || bad "no byte-order mark"
records=$(grep -c $'\r$' "$csv" || true)
lines=$(wc -l < "$csv")
[ "$records" -eq "$lines" ] && ok "every record ends in CR LF" || bad "$records of $lines lines end in CR LF"
# 366 day records after the header (the true basis's data table: ISO dates).
days=$(grep -c '^"2024-[01][0-9]-[0-3][0-9]",' "$csv" || true)
[ "$days" -eq 366 ] && ok "366 day records" || bad "$days day records"

# The true basis replaces the blank-led file of its year and kind made before;
# the classic basis keeps that name, and other kinds and years are left alone.
printf 'old' > "$folder/ 2023年カレンダー.htm"
printf 'old' > "$folder/ 2023年カレンダー.csv"
"$cli" --folder "$folder" --format htm 2023 -660 > "$work/out" 2> /dev/null || bad "two years in one call failed"
[ -f "$folder/2023年カレンダー.htm" ] && [ -f "$folder/-660年カレンダー.htm" ] && ok "two years, two files" ||
  bad "two years did not write two files: $(ls "$folder")"
[ "$(cat "$work/out")" = "$folder/2023年カレンダー.htm"$'\n'"$folder/-660年カレンダー.htm" ] &&
  ok "a path a line, in the order of the years" || bad "printed: $(cat "$work/out")"
[ ! -e "$folder/ 2023年カレンダー.htm" ] && [ "$(cat "$folder/ 2023年カレンダー.csv")" = "old" ] &&
  ok "the old name of the year's page is gone, its csv file kept" || bad "old names: $(ls "$folder")"
"$cli" --folder "$folder" --classic --quiet --format htm 2023 > "$work/out" 2>&1 || bad "classic run failed"
[ -f "$folder/ 2023年カレンダー.htm" ] && [ -f "$folder/2023年カレンダー.htm" ] && [ ! -s "$work/out" ] &&
  ok "classic keeps its blank-led name; --quiet prints nothing" || bad "classic: $(ls "$folder"); $(cat "$work/out")"
rm -f "$folder/ 2023年カレンダー.csv" "$folder/ 2023年カレンダー.htm"

# A standard output that cannot take the path: the file is written, one message, exit 6.
status=0
"$cli" --folder "$folder" --format csv 2024 > /dev/full 2> "$work/err" || status=$?
[ "$status" -eq 6 ] && [ "$(grep -c '標準出力に書き込めませんでした' "$work/err")" -eq 1 ] && [ -f "$csv" ] &&
  ok "a full standard output: exit 6, one message, the file kept" || bad "a full standard output: exit $status: $(cat "$work/err")"

# --open hands the file on and says so on standard error; standard output keeps the path alone.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" > "%s/opened"\n' "$work" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
PATH="$work/bin:$PATH" "$cli" --folder "$folder" --open --format htm 2024 > "$work/out" 2> "$work/err" ||
  bad "--open failed: $(cat "$work/err")"
for i in $(seq 1 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ "$(cat "$work/out")" = "$folder/2024年カレンダー.htm" ] &&
  [ "$(cat "$work/err")" = "ventorel-cli: $folder/2024年カレンダー.htm をブラウザーで開きます" ] &&
  [ "$(cat "$work/opened" 2>/dev/null)" = "$folder/2024年カレンダー.htm" ] && ok "--open names the file it hands on" ||
  bad "--open: out $(cat "$work/out"); err $(cat "$work/err"); opened $(cat "$work/opened" 2>/dev/null)"

# Without the data files a basis needs, no calendar and one line on standard
# error naming them and the folders searched: from an empty folder (the lookup
# of the installed and the program's folder finds nothing) and with --folder.
empty="$work/empty"
mkdir "$empty"
while IFS='|' read -r options files; do
  status=0
  # shellcheck disable=SC2086
  (cd "$empty" && exec "$cli" $options) > "$work/out" 2> "$work/err" || status=$?
  line="ventorel-cli: 必要なデータファイル $files が見つからないので、カレンダーは作成していません（探した場所："
  [ "$status" -eq 7 ] && [ "$(wc -l < "$work/err")" -eq 1 ] && grep -qF "$line" "$work/err" &&
    grep -qF "$empty）" "$work/err" && [ ! -s "$work/out" ] && [ -z "$(ls -A "$empty")" ] &&
    ok "no data files ($options): exit 7, one line, no file" ||
    bad "no data files ($options): exit $status, $(cat "$work/err"), files: $(ls -A "$empty")"
done << EOF
--format htm 2024|holiday_law.dat、gen1.dat、gen2.dat、era_starts.dat
--classic --format csv 2024|shuku.dat、gen1.dat、gen2.dat、singetu.dat
--folder $empty --format json 2024|holiday_law.dat、gen1.dat、gen2.dat、era_starts.dat
--date 2024-05-03|holiday_law.dat、gen1.dat、gen2.dat、era_starts.dat
--classic --holidays 2024|shuku.dat、gen1.dat、gen2.dat、singetu.dat
EOF

# A second run replaces the file and leaves no temporary file behind.
cp "$csv" "$work/first.csv"
printf 'stale' > "$csv"
"$cli" --folder "$folder" --format csv 2024 > /dev/null 2>&1 || bad "second csv run failed"
cmp -s "$csv" "$work/first.csv" && ok "second run replaces the file" || bad "second run left a different file"
leftovers=$(find "$folder" -name '*.part-*' | wc -l)
[ "$leftovers" -eq 0 ] && ok "no temporary files left" || bad "$leftovers temporary files left"

# A disk that fills up part-way (a file-size limit below the page's size): the
# write fails, the message names the file and the reason, the old page stays. The
# limit's signal is left as the shell has it: the program itself must ignore it.
page="$folder/2024年カレンダー.htm"
printf 'the old page' > "$page"
status=0
( ulimit -f 16; exec "$cli" --folder "$folder" --format htm 2024 ) > /dev/null 2> "$work/err" || status=$?
[ "$status" -eq 6 ] && ok "a write cut short exits 6" || bad "a write cut short exited $status"
grep -q "^message: .*" "$work/err" && grep -qF "$page" "$work/err" && grep -q "ファイルが大きすぎます" "$work/err" &&
  ok "the message names the file and the reason" || bad "message: $(cat "$work/err")"
[ "$(cat "$page")" = "the old page" ] && ok "the old page is intact" || bad "the old page was changed"
[ "$(find "$folder" -name '*.part-*' | wc -l)" -eq 0 ] && ok "no temporary file after the failure" ||
  bad "a temporary file is left after the failure"

# A read-only folder. Root writes into a folder whatever its permissions, so
# there the folder is mounted read-only in a private mount namespace.
csvmessage() { grep -qF "message: カレンダーのファイル「$csv」を書き込めませんでした（$1）" "$work/err"; }
status=0
if [ "$(id -u)" -ne 0 ]; then
  chmod a-w "$folder"
  "$cli" --folder "$folder" --format csv 2024 > /dev/null 2> "$work/err" || status=$?
  chmod u+w "$folder"
  reason="アクセスが許可されていません"
elif unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1"' sh "$folder" 2> /dev/null; then
  unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && exec "$2" --folder "$1" --format csv 2024' \
    sh "$folder" "$cli" > /dev/null 2> "$work/err" || status=$?
  reason="読み出し専用のファイルシステムです"
else
  echo "note: no read-only mount possible here; the failed write was tried with the file-size limit only"
  exit $fail
fi
[ "$status" -eq 6 ] && ok "a read-only folder exits 6" || bad "a read-only folder exited $status"
csvmessage "$reason" && ok "the message names the file and the reason ($reason)" || bad "message: $(cat "$work/err")"
cmp -s "$csv" "$work/first.csv" && ok "the old csv file is intact" || bad "the old csv file was changed"

exit $fail
