#!/usr/bin/env bash
# What a calendar write leaves behind and what it leaves alone: the temporary
# files of a run killed mid-batch are removed by the next run, even one that
# changes no file (those of live runs, fresh ones and other names stay), a run
# ended by a signal removes its own, a read-only calendar is refused with exit 6
# and kept, a replaced calendar keeps its permissions, a symlinked calendar stays
# a link whose target gets the new calendar, devices and FIFOs are written into
# and never replaced, a data file is never an output, damaged or huge data files
# are refused, and a full disk ends a batch.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$(realpath "$1")
src=$2

work=$(mktemp -d)
sleeper=
trap '[ -n "$sleeper" ] && kill "$sleeper" 2>/dev/null; chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
folder="$work/program"
mkdir "$folder"
cp "$src"/data/*.dat "$folder/"

fail=0
ok() { echo "ok: $1"; }
bad() { echo "FAIL: $1"; fail=1; }
temps() { find "$1" -maxdepth 1 -name '*.part-*' -printf '%f\n' | sort; }

# The calendar the run after the kill makes is already there: that run changes
# no file and must still sweep.
"$cli" --folder "$folder" 2024 > /dev/null 2>&1 || bad "the first 2024 run failed"

# A batch killed with -9 part-way. Its files are put in place together every
# second, so a kill within its first second leaves them all as temporary files:
# the kill comes as soon as the first one is seen (a loaded machine may take a
# while to start the batch), and a few tries make sure. Every calendar it was replacing is then old or complete,
# never empty or cut: the blank-led file of a year made before goes only once the
# new one is in place.
for y in $(seq 1 40); do printf 'the old page' > "$folder/ ${y}年カレンダー.htm"; done
for try in 1 2 3 4 5; do
  "$cli" --folder "$folder" 1..4000 > /dev/null 2>&1 & batch=$!
  for wait in $(seq 1 200); do
    [ -n "$(temps "$folder")" ] && break
    sleep 0.02
  done
  kill -9 "$batch" 2> /dev/null || true
  wait "$batch" 2> /dev/null || true
  [ -n "$(temps "$folder")" ] && break
done
cut=0
for y in $(seq 1 40); do
  old="$folder/ ${y}年カレンダー.htm"
  page="$folder/${y}年カレンダー.htm"
  { [ -e "$old" ] && [ "$(cat "$old")" = "the old page" ] && [ ! -e "$page" ]; } ||
    { [ -e "$page" ] && [ "$(tail -c 8 "$page" | od -An -c | tr -d ' ')" = '</html>\n' ]; } || cut=$((cut + 1))
done
[ "$cut" -eq 0 ] && ok "every calendar of the killed batch is old or complete" || bad "$cut calendars cut by the kill"
killed=$(temps "$folder")
[ -n "$killed" ] && ok "the killed batch left $(echo "$killed" | wc -l) temporary file(s)" ||
  bad "five killed batches left no temporary file"
# A minute passes; beside them lie temporary files that must stay: one of a live
# run, one just written by a run that has ended, and a user's file of a like name.
touch -d '2 minutes ago' "$folder"/*.part-*
sleep 600 & sleeper=$!
true & ended=$!
wait "$ended"
keep=(" 7年カレンダー.htm.part-$sleeper-aB3dE9" " 8年カレンダー.htm.part-$ended-Zz09qq" "notes.part-$ended-short"
      "photos.zip.part-$ended-v2copy" "gen1.dat.part-$ended-abcdef")
for name in "${keep[@]}"; do printf 'x' > "$folder/$name"; done
touch -d '2 minutes ago' "$folder/${keep[0]}" "$folder/${keep[2]}" "$folder/${keep[3]}" "$folder/${keep[4]}"
"$cli" --folder "$folder" 2024 > /dev/null 2>&1 || bad "the run after the kill failed"
left=$(temps "$folder")
expected=$(printf '%s\n' "${keep[@]}" | sort)
[ "$left" = "$expected" ] && ok "the next run removed the killed batch's temporary files and kept the others" ||
  bad "temporary files after the next run: $(echo $left | head -c 300)"
rm -f "$folder"/*.part-*

# Ended by a signal: the run's own temporary files go at once, nothing is left
# half-made, and the status tells the signal. (env undoes the ignored SIGINT a
# shell gives its background jobs.)
while read -r sig want args; do
  env --default-signal=INT "$cli" --folder "$folder" $args > /dev/null 2>&1 & run=$!
  sleep 0.5
  kill -s "$sig" "$run"
  status=0; wait "$run" || status=$?
  [ "$status" -eq "$want" ] && ok "SIG$sig: exit $status" || bad "SIG$sig: exit $status, wanted $want"
  [ -z "$(temps "$folder")$(temps "$work")" ] && ok "SIG$sig: no temporary file left" ||
    bad "SIG$sig: temporary files left: $(temps "$folder" | head -3)"
done << END
INT 130 --format csv 1..4000
TERM 143 --format json --output $work/long.jsonl 1..100000
HUP 129 --format htm 1..4000
END
[ ! -e "$work/long.jsonl" ] && ok "the interrupted --output made no file" || bad "the interrupted --output left a file"

# The old calendar's permissions: refused when no one may write it, kept otherwise.
page="$folder/2024年カレンダー.htm"
for row in "444 6" "640 0"; do
  read -r mode want <<< "$row"
  printf 'the old page' > "$page"
  chmod "$mode" "$page"
  status=0
  "$cli" --folder "$folder" 2024 > /dev/null 2> "$work/err" || status=$?
  [ "$status" -eq "$want" ] && ok "mode $mode: exit $status" || bad "mode $mode: exit $status, wanted $want"
  [ "$(stat -c %a "$page")" = "$mode" ] && ok "mode $mode: permissions kept" ||
    bad "mode $mode: permissions became $(stat -c %a "$page")"
  if [ "$want" -eq 6 ]; then
    [ "$(cat "$page")" = "the old page" ] && ok "mode $mode: old page kept" || bad "mode $mode: old page replaced"
    grep -qF "「$page」を書き込めませんでした（アクセスが許可されていません）" "$work/err" && ok "mode $mode: message" ||
      bad "mode $mode: message $(cat "$work/err")"
  else
    [ "$(cat "$page")" != "the old page" ] && ok "mode $mode: page replaced" || bad "mode $mode: page not replaced"
  fi
done
chmod 644 "$page"
cp "$page" "$work/fresh.htm"

# A symlinked calendar (a relative link, and a link to that link): the target gets
# the new calendar atomically, the links stay links. In the target's folder only
# the target's own leftovers are swept: a calendar's name there is not this run's.
mkdir "$work/elsewhere"
printf 'the old page' > "$work/elsewhere/kept.htm"
ln -s kept.htm "$work/elsewhere/alias.htm"
rm "$page"
ln -s ../elsewhere/alias.htm "$page"
printf 'x' > "$work/elsewhere/kept.htm.part-$ended-abcdef"
printf 'x' > "$work/elsewhere/ 9年カレンダー.htm.part-$ended-abcdef"
touch -d '2 minutes ago' "$work/elsewhere"/*.part-*
"$cli" --folder "$folder" 2024 > /dev/null 2> "$work/err" || bad "the symlinked calendar's run failed: $(cat "$work/err")"
[ -L "$page" ] && [ -L "$work/elsewhere/alias.htm" ] && ok "the links stay links" || bad "a link was replaced"
cmp -s "$work/elsewhere/kept.htm" "$work/fresh.htm" && ok "the target holds the new calendar" ||
  bad "the target was not replaced"
[ -z "$(temps "$folder")" ] && [ "$(temps "$work/elsewhere")" = " 9年カレンダー.htm.part-$ended-abcdef" ] &&
  ok "the target's leftover swept, a calendar's leftover beside it kept" ||
  bad "temporary files: $(temps "$folder" | head -3) / $(temps "$work/elsewhere" | head -3)"
rm -f "$work/elsewhere"/*.part-* "$page"

# --output sweeps the leftovers of its own file only.
printf 'x' > "$work/all.jsonl.part-$ended-abcdef"
printf 'x' > "$work/photos.zip.part-$ended-v2copy"
touch -d '2 minutes ago' "$work"/*.part-*
"$cli" --folder "$folder" --format json --output "$work/all.jsonl" 2024 2> "$work/err" || bad "--output: $(cat "$work/err")"
[ "$(temps "$work")" = "photos.zip.part-$ended-v2copy" ] && ok "--output swept its own leftover only" ||
  bad "--output left: $(temps "$work" | head -3)"
rm -f "$work"/*.part-*

# Devices and FIFOs (made here, never the system's) are written into: they stay
# what they are, as does a calendar that links to one.
mknod "$work/null" c 1 3
mkfifo "$work/fifo"
"$cli" --folder "$folder" --format json --stdout 2024 > "$work/expected.json"
status=0; "$cli" --folder "$folder" --format json --output "$work/fifo" 2024 2> "$work/err" & writer=$!
timeout 20 cat "$work/fifo" > "$work/read.json" || true
wait "$writer" || status=$?
[ "$status" -eq 0 ] && [ -p "$work/fifo" ] && cmp -s "$work/read.json" "$work/expected.json" &&
  ok "a FIFO gets the calendar and stays a FIFO" || bad "FIFO: exit $status, $(cat "$work/err"; ls -l "$work/fifo")"
ln -s "$work/null" "$page"
for args in "--format json --output $work/null" "--format csv" "--format htm"; do
  status=0; "$cli" --folder "$folder" $args 2024 > /dev/null 2> "$work/err" || status=$?
  [ "$status" -eq 0 ] && [ -c "$work/null" ] && [ -z "$(temps "$work")" ] && ok "a device stays a device: $args" ||
    bad "device, $args: exit $status, $(cat "$work/err"; ls -l "$work/null")"
done
[ -L "$page" ] && ok "a calendar linked to a device stays a link" || bad "the link to a device was replaced"
rm -f "$page"

# A data file of the program folder is never an output, nor is an empty name.
ln -s "$folder/gen1.dat" "$work/eras.json"
for target in "$folder/shuku.dat" "$work/eras.json" "$folder/../program/ini.dat"; do
  real=$(readlink -f "$target")
  before=$(md5sum < "$real")
  status=0; "$cli" --folder "$folder" --format json --output "$target" 2024 > /dev/null 2> "$work/err" || status=$?
  [ "$status" -eq 2 ] && [ "$(md5sum < "$real")" = "$before" ] && grep -q "のデータファイル .* なので、上書きしません" "$work/err" &&
    ok "--output $target refused" || bad "--output $target: exit $status: $(head -1 "$work/err")"
done
for option in --folder --output; do
  status=0; "$cli" "$option" "" --format json 2024 > /dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] && ok "$option \"\" is a usage error" || bad "$option \"\": exit $status"
done

# A working directory deeper than PATH_MAX: the data files are still found.
deep=$(printf 'd%.0s' $(seq 1 200))
( cd "$work"
  for i in $(seq 1 25); do mkdir "$deep"; cd "$deep"; done
  cp "$folder"/*.dat .
  "$cli" --format csv 2024 > /dev/null 2> "$work/err" && [ -f "2024年カレンダー.csv" ] ) &&
  ok "a working directory deeper than PATH_MAX" || bad "a working directory deeper than PATH_MAX: $(head -2 "$work/err")"
rm -rf "${work:?}/$deep"

# Damaged and oversized data files are refused (exit 7) with the file and line,
# in little memory; the calendar is made without them.
# AddressSanitizer reserves terabytes of address space, so under it the memory
# bound cannot be set; the refusal is still checked.
memory=1000000
[ -n "${ASAN_OPTIONS:-}" ] && memory=unlimited
while IFS='%' read -r file make message; do
  cp "$folder/$file" "$work/saved.dat"
  { eval "$make" | head -c 20000000 > "$folder/$file"; } || true  # yes(1) ends on SIGPIPE
  status=0; (ulimit -v "$memory"; exec "$cli" --folder "$folder" --format csv 2024) > /dev/null 2> "$work/err" || status=$?
  cp "$work/saved.dat" "$folder/$file"
  [ "$status" -eq 7 ] && grep -qF "$message" "$work/err" && ok "$file: $message" ||
    bad "$file ($make): exit $status: $(head -c 300 "$work/err")"
done << 'END'
shuku.dat%printf ',,,,,,,,,,,,,,,,\n'%shuku.dat 1行目
singetu.dat%cat "$src/data/singetu.dat"; head -c 1000000 /dev/zero | tr '\0' x%singetu.dat 2462行目：最後の記録の後に文字があります
gen1.dat%sed '3s/,/,\x00/' "$src/data/gen1.dat"%gen1.dat 3行目：行に制御文字があります
holiday_law.dat%yes junk | head -n 3000000%（ほか 2999995 件）
holiday_law.dat%head -c 17000000 /dev/zero | tr '\0' '#'%holiday_law.dat：16 MB を超えています
END

# A disk that fills up: the batch stops at the first file that finds no room,
# with one message and exit 6 (a small file system in a private mount namespace).
if [ "$(id -u)" -eq 0 ] && unshare -m true 2> /dev/null; then
  status=0
  unshare -m sh -c 'mount -t tmpfs -o size=1m tmpfs "$1" && cp "$2"/*.dat "$1" && exec "$3" --folder "$1" --format csv 1..1000' \
    sh "$work/elsewhere" "$folder" "$cli" > /dev/null 2> "$work/err" || status=$?
  [ "$status" -eq 6 ] && [ "$(grep -c '^message: ' "$work/err")" -eq 1 ] && grep -q "ディスクがいっぱいです" "$work/err" &&
    ok "a full disk ends the batch: exit 6, one message" ||
    bad "a full disk: exit $status, $(grep -c '^message: ' "$work/err") messages: $(head -c 300 "$work/err")"
else
  echo "note: no private mount here; the full disk of a batch was not tried"
fi

exit $fail
