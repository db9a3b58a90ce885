#!/usr/bin/env bash
# The true-basis page of 2024 as a browser shows and prints it. A copy of the page
# with a checking script appended is loaded in headless Chromium; the script reports
# the title, the day rows, the month headings, the colours by computed style, the
# sticky column header, stray quote text nodes and the neighbouring-year links.
# The page itself carries no script and loads nothing. Screenshots (light and dark)
# and the first printed A4 page go to build/test-output/.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2
build=$3

chromium=$(command -v chromium || command -v chromium-browser || true)
[ -n "$chromium" ] || { echo "FAIL: chromium is not installed (scripts/install-deps.sh installs it)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/program" "$work/profile"
cp "$src"/data/*.dat "$work/program/"
"$cli" --folder "$work/program" --format htm 2024 > /dev/null 2> "$work/stderr" || {
  echo "FAIL: ventorel-cli exited with $?"; cat "$work/stderr"; exit 1; }
cp "$work/program/2024年カレンダー.htm" "$work/page.htm"

browse() {
  timeout 120 "$chromium" --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" "$@" 2> "$work/chromium.log"
}

fail=0
check() {  # description, actual, expected
  if [ "$2" != "$3" ]; then echo "FAIL: $1: got '$2', expected '$3'"; fail=1; else echo "ok: $1"; fi
}

check "scripts, external resources in the page" \
  "$(grep -ciE '<script|<link|<img|<iframe|@import|url\(|src=' "$work/page.htm" || true)" 0

# The checking script: one "key=value" line per finding, in a <pre id="checks">.
cat "$work/page.htm" - > "$work/checked.htm" <<'JS'
<script>
(() => {
  const out = [];
  const put = (k, v) => out.push(k + "=" + v);
  const rgb = el => getComputedStyle(el).color.match(/\d+/g).map(Number);
  const red = c => c[0] > 150 && c[0] > c[1] + 80 && c[0] > c[2] + 80;
  const blue = c => c[2] > 150 && c[2] > c[0] + 80;
  put("title", document.title);
  const rows = [...document.querySelectorAll("tbody tr.day")];
  put("dayRows", rows.length);
  put("monthHeadings", [...document.querySelectorAll("tbody h2")].map(h => h.textContent.trim()).join(","));
  const cell = (r, name) => r.querySelector("td." + name);
  const weekday = (r, w) => cell(r, "weekday").textContent.includes(w);
  const sundays = rows.filter(r => weekday(r, "日"));
  put("sundays", sundays.length + "/" + sundays.filter(r => red(rgb(cell(r, "date"))) && red(rgb(cell(r, "weekday")))).length);
  const saturdays = rows.filter(r => weekday(r, "土") && cell(r, "holiday").textContent.trim() === "");
  put("saturdays", saturdays.length + "/" + saturdays.filter(r => blue(rgb(cell(r, "date")))).length);
  const holidays = rows.filter(r => cell(r, "holiday").textContent.trim() !== "");
  put("holidays", holidays.length + "/" + holidays.filter(r => red(rgb(cell(r, "date")))).length);
  const th = document.querySelector("thead th");
  put("stickyHeader", th ? getComputedStyle(th).position : "none");
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  let quotes = 0;
  while (walker.nextNode()) if (walker.currentNode.data.trim() === '"') ++quotes;
  put("loneQuotes", quotes);
  const file = a => a ? decodeURIComponent(a.getAttribute("href")) : "none";
  put("previous", file(document.querySelector('a[rel="prev"]')));
  put("next", file(document.querySelector('a[rel="next"]')));
  put("background", getComputedStyle(document.documentElement).backgroundColor);
  const pre = document.createElement("pre");
  pre.id = "checks";
  pre.textContent = out.join("\n");
  document.body.append(pre);
})();
</script>
JS

finding() { sed -n '/<pre id="checks">/,/<\/pre>/p' "$1" | sed -e 's/<[^>]*>//g' | sed -n "s/^$2=//p" | sed 's/&amp;/\&/g'; }
browse --dump-dom "file://$work/checked.htm" > "$work/dom.html" || {
  echo "FAIL: chromium could not load the page"; tail -20 "$work/chromium.log"; exit 1; }
check "title" "$(finding "$work/dom.html" title)" "2024年（令和6年）の暦 — Ventorel"
check "day rows" "$(finding "$work/dom.html" dayRows)" 366
check "month headings" "$(finding "$work/dom.html" monthHeadings)" "1月,2月,3月,4月,5月,6月,7月,8月,9月,10月,11月,12月"
check "Sundays in red" "$(finding "$work/dom.html" sundays)" "52/52"
same() {  # description, "counted/coloured" finding
  if [ "${2%/*}" -gt 0 ] && [ "${2%/*}" = "${2#*/}" ]; then echo "ok: $1 ($2)"; else echo "FAIL: $1: $2"; fail=1; fi
}
same "Saturdays (not holidays) in blue" "$(finding "$work/dom.html" saturdays)"
same "holidays in red" "$(finding "$work/dom.html" holidays)"
check "sticky column header" "$(finding "$work/dom.html" stickyHeader)" sticky
check "text nodes that are a lone quote" "$(finding "$work/dom.html" loneQuotes)" 0
check "previous year's page" "$(finding "$work/dom.html" previous)" "2023年カレンダー.htm"
check "next year's page" "$(finding "$work/dom.html" next)" "2025年カレンダー.htm"
check "light background" "$(finding "$work/dom.html" background)" "rgb(255, 255, 255)"

browse --force-dark-mode --dump-dom "file://$work/checked.htm" > "$work/dark.html" || true
check "dark background in dark mode" "$(finding "$work/dark.html" background)" "rgb(21, 23, 26)"
check "Sundays in red in dark mode" "$(finding "$work/dark.html" sundays)" "52/52"

out="$build/test-output"
mkdir -p "$out"
rm -f "$out"/page-2024*.png
browse --screenshot="$out/page-2024.png" --window-size=1280,1400 "file://$work/page.htm" > /dev/null || true
browse --force-dark-mode --screenshot="$out/page-2024-dark.png" --window-size=1280,900 "file://$work/page.htm" \
  > /dev/null || true
for shot in page-2024.png page-2024-dark.png; do
  if [ "$(head -c 8 "$out/$shot" 2> /dev/null | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ]; then
    echo "ok: screenshot $out/$shot"
  else
    echo "FAIL: no screenshot $shot"; tail -5 "$work/chromium.log"; fail=1
  fi
done

# Printed: A4 portrait, a page per month (each month fits one sheet), a Japanese font.
browse --no-pdf-header-footer --print-to-pdf="$work/page.pdf" "file://$work/page.htm" > /dev/null || true
if [ -s "$work/page.pdf" ]; then
  info=$(pdfinfo "$work/page.pdf")
  check "printed pages" "$(sed -n 's/^Pages: *//p' <<< "$info")" 12
  check "paper" "$(sed -n 's/^Page size: .*(\(.*\))$/\1/p' <<< "$info")" A4
  fonts=$(pdffonts "$work/page.pdf" | grep -ciE 'IPA|Noto' || true)
  [ "$fonts" -gt 0 ] && echo "ok: a Japanese font is embedded" || { echo "FAIL: no IPA or Noto font in the PDF"; fail=1; }
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$work/page.pdf" "$out/page-2024-print-1"
  echo "ok: first printed page $out/page-2024-print-1.png"
else
  echo "FAIL: chromium printed no PDF"; tail -5 "$work/chromium.log"; fail=1
fi

exit $fail
