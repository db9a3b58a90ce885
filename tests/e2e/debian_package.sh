#!/usr/bin/env bash
# The Debian package: built with cpack -G DEB, it depends on Qt 6 and ERFA, and
# unpacked into a temporary root (dpkg -x) its ventorel-cli runs on its own
# installed data from any folder.
# Usage: debian_package.sh CLI SOURCE_DIR BUILD_DIR
set -uo pipefail
build=$(cd "$3" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") > "$work/cpack.log" 2>&1 \
  || { tail -n 30 "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/*.deb 2> /dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no .deb made"; cat "$work/cpack.log"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
check "depends on ERFA" "grep -q 'liberfa' <<< \"\$depends\""
if [ -f "$build/program/ventorel" ]; then
  check "depends on Qt 6 Widgets" "grep -q 'libqt6widgets6' <<< \"\$depends\""
fi

dpkg -x "$deb" "$work/root"
root=$work/root
[ -f "$build/program/ventorel" ] && check "packs the window" "[ -x '$root/usr/bin/ventorel' ]"
for f in usr/bin/ventorel-cli usr/share/ventorel/singetu.dat usr/share/ventorel/era_starts.dat \
         usr/share/applications/org.ventorel.Ventorel.desktop usr/share/metainfo/org.ventorel.Ventorel.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/ventorel.svg usr/share/man/man1/ventorel-cli.1 \
         usr/share/bash-completion/completions/ventorel-cli usr/include/ventorel/calendar.h; do
  check "packed $f" "[ -f '$root/$f' ]"
done
mkdir "$work/elsewhere"
out=$(cd "$work/elsewhere" && "$root/usr/bin/ventorel-cli" --date 1703-01-30 2>&1)
status=$?
check "the installed ventorel-cli reads its installed data (status $status)" "[ $status -eq 0 ]"
check "and prints 元禄15年12月14日" "grep -q '元禄15年12月14日' <<< \"\$out\""
(cd "$work/elsewhere" && "$root/usr/bin/ventorel-cli" --format csv 2024 > /dev/null 2>&1)
check "a calendar is written into the current folder" "[ -f '$work/elsewhere/2024年カレンダー.csv' ]"
exit $fail
