#!/usr/bin/env bash
# The classic 2024 page as a browser shows it: the command line writes it into a program
# folder holding the shipped data, headless Chromium loads it, and the parsed
# document must carry the title, one header row and 366 day rows of nine cells,
# and nothing but the page's own markup. A screenshot goes to the test output.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2
build=$3

chromium=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$chromium" ]; then
  echo "FAIL: chromium is not installed (scripts/install-deps.sh installs it)"
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/program" "$work/profile"
if compgen -G "$src/data/*.dat" > /dev/null; then cp "$src"/data/*.dat "$work/program/"; fi

"$cli" --folder "$work/program" --format htm --classic 2024 2> "$work/stderr" || {
  echo "FAIL: ventorel-cli exited with $?"; cat "$work/stderr"; exit 1; }
page="$work/program/ 2024年カレンダー.htm"
[ -f "$page" ] || { echo "FAIL: no file \" 2024年カレンダー.htm\""; ls "$work/program"; exit 1; }
# Loaded under a plain name so that the URL needs no escaping.
cp "$page" "$work/page.htm"

browse() {
  timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" "$@" 2> "$work/chromium.log"
}

browse --dump-dom "file://$work/page.htm" > "$work/dom.html" || {
  echo "FAIL: chromium could not load the page"; tail -20 "$work/chromium.log"; exit 1; }

fail=0
check() {  # description, actual, expected
  if [ "$2" != "$3" ]; then echo "FAIL: $1: got '$2', expected '$3'"; fail=1; else echo "ok: $1"; fi
}

text=$(sed -e 's/<[^>]*>//g' "$work/dom.html")
case "$text" in
  *"西暦 2024年　（グレゴリオ暦)　甲辰（たつ）の年"*) echo "ok: title text" ;;
  *) echo "FAIL: the title text is missing"; fail=1 ;;
esac
check "tables" "$(grep -o '<table' "$work/dom.html" | wc -l)" 1
check "table rows" "$(grep -o '<tr>' "$work/dom.html" | wc -l)" 367
check "table cells" "$(grep -o '<td>' "$work/dom.html" | wc -l)" $((367 * 9))
# Only the page's own elements (Chromium adds head and tbody, and keeps the
# misspelt opening tag as an unknown element).
stray=$(grep -o '<[a-zA-Z][a-zA-Z0-9]*' "$work/dom.html" | tr 'A-Z' 'a-z' | sort -u |
        grep -vxE '<(html|head|body|htlm|br|table|tbody|tr|td|a)' || true)
check "elements other than the page's own" "$stray" ""
check "links leaving the encyclopedia" \
  "$(grep -o 'href="[^"]*"' "$work/dom.html" | grep -vc '^href="https://ja.wikipedia.org/wiki/' || true)" 0
# With the shipped holiday file, New Year's Day is linked in the first day row.
if [ -f "$work/program/shuku.dat" ]; then
  case "$text" in
    *"2024年1月1日(月)元日"*) echo "ok: 元日 on the first day row" ;;
    *) echo "FAIL: 元日 is not in the first day row"; fail=1 ;;
  esac
fi

mkdir -p "$build/test-output"
shot="$build/test-output/calendar-2024.png"
rm -f "$shot"
browse --screenshot="$shot" --window-size=1400,2400 "file://$work/page.htm" > /dev/null || true
if [ -s "$shot" ] && [ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ]; then
  echo "ok: screenshot $shot"
else
  echo "FAIL: no screenshot"; tail -20 "$work/chromium.log"; fail=1
fi

exit $fail
