#!/usr/bin/env bash
# What a calendar write leaves behind and what it leaves alone: the temporary
# files of a run killed mid-batch are removed by the next run (those of live runs
# and fresh ones stay), a read-only calendar is refused with exit 6 and kept, a
# replaced calendar keeps its permissions, and a symlinked calendar stays a link
# whose target gets the new calendar.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
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

# A batch killed with -9 part-way. Its files are put in place together every
# second, so a kill within its first second leaves them all as temporary files; a
# few tries make sure. Every calendar it was replacing is then old or complete,
# never empty or cut.
for y in $(seq 1 40); do printf 'the old page' > "$folder/ ${y}年カレンダー.htm"; done
for try in 1 2 3 4 5; do
  "$cli" --folder "$folder" 1..4000 > /dev/null 2>&1 & batch=$!
  sleep 0.3
  kill -9 "$batch" 2> /dev/null || true
  wait "$batch" 2> /dev/null || true
  [ -n "$(temps "$folder")" ] && break
done
cut=0
for y in $(seq 1 40); do
  page="$folder/ ${y}年カレンダー.htm"
  [ "$(cat "$page")" = "the old page" ] || [ "$(tail -c 10 "$page" | od -An -c | tr -d ' ')" = '</HTLM>"\r\n' ] || cut=$((cut + 1))
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
keep=(" 7年カレンダー.htm.part-$sleeper-aB3dE9" " 8年カレンダー.htm.part-$ended-Zz09qq" "notes.part-$ended-short")
for name in "${keep[@]}"; do printf 'x' > "$folder/$name"; done
touch -d '2 minutes ago' "$folder/${keep[0]}" "$folder/${keep[2]}"
"$cli" --folder "$folder" 2024 > /dev/null 2>&1 || bad "the run after the kill failed"
left=$(temps "$folder")
expected=$(printf '%s\n' "${keep[@]}" | sort)
[ "$left" = "$expected" ] && ok "the next run removed the killed batch's temporary files and kept the others" ||
  bad "temporary files after the next run: $(echo $left)"
rm -f "$folder"/*.part-*

# The old calendar's permissions: refused when no one may write it, kept otherwise.
page="$folder/ 2024年カレンダー.htm"
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
    grep -qF "「$page」を書き込めませんでした（Permission denied）" "$work/err" && ok "mode $mode: message" ||
      bad "mode $mode: message $(cat "$work/err")"
  else
    [ "$(cat "$page")" != "the old page" ] && ok "mode $mode: page replaced" || bad "mode $mode: page not replaced"
  fi
done
chmod 644 "$page"
cp "$page" "$work/fresh.htm"

# A symlinked calendar (a relative link, and a link to that link): the target gets
# the new calendar atomically, the links stay links.
mkdir "$work/elsewhere"
printf 'the old page' > "$work/elsewhere/kept.htm"
ln -s kept.htm "$work/elsewhere/alias.htm"
rm "$page"
ln -s ../elsewhere/alias.htm "$page"
"$cli" --folder "$folder" 2024 > /dev/null 2> "$work/err" || bad "the symlinked calendar's run failed: $(cat "$work/err")"
[ -L "$page" ] && [ -L "$work/elsewhere/alias.htm" ] && ok "the links stay links" || bad "a link was replaced"
cmp -s "$work/elsewhere/kept.htm" "$work/fresh.htm" && ok "the target holds the new calendar" ||
  bad "the target was not replaced"
[ -z "$(temps "$folder")$(temps "$work/elsewhere")" ] && ok "no temporary files" || bad "temporary files left"

exit $fail
