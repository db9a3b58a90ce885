#!/usr/bin/env bash
# Screenshots of the real window on a virtual X display (Xvfb), driven with the
# keyboard as a user would: after start-up, after choosing 2024-05 in the date
# box, and after typing 元禄15年12月14日 there. They are written to docs/ (the
# README shows them); the window's start-up and month figures (--timing) are
# printed at the end.
#
# Usage: screenshot.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${2:-$here/docs}" && cd "${2:-$here/docs}" && pwd)
folder="$build/program"

if [ ! -x "$folder/ventorel" ]; then
  echo "screenshot: $folder/ventorel is missing (is Qt 6 installed? run 'make build' first)" >&2
  exit 1
fi
for tool in Xvfb xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    echo "screenshot: $tool is missing; 'make deps' installs it" >&2
    exit 1
  fi
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x900x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || { echo "screenshot: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display"

waitfor() {  # waitfor SECONDS COMMAND...: polls until the command succeeds
  local limit=$1; shift
  for _ in $(seq $((limit * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}

# A copy of the program folder, so that the settings the window saves at the end
# stay out of the build's.
cp -r "$folder" "$work/program"
rm -f "$work/program/ini.dat"
printf '0\r\n' > "$work/program/ini.dat"
XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$work/program/ventorel" --timing >"$work/ventorel.log" 2>&1 &
app_pid=$!

found_window() {
  window=$(xdotool search --onlyvisible --name '^Ventorel$' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
if ! waitfor 30 found_window; then
  echo "screenshot: the window did not appear" >&2
  cat "$work/ventorel.log" >&2
  exit 1
fi
sleep 1
xdotool windowfocus --sync "$window"
shot() {
  sleep 0.7
  import -window "$window" "$out/$1"
  echo "screenshot: $out/$1"
}
shot window-start.png

# The date box (Ctrl+L), a date, Enter.
lookup() {
  xdotool key --clearmodifiers ctrl+l
  xdotool type --delay 40 "$1"
  xdotool key Return
}
lookup 2024-05-06
# Two months on and back with the keys, as a user pages through.
xdotool key Next Next Prior Prior
shot window-2024-05.png
lookup 元禄15年12月14日
shot window-genroku.png
xdotool key Next Prior

kill "$app_pid" 2>/dev/null || true
app_pid=""
sleep 0.3
sed -n 's/^ventorel: //p' "$work/ventorel.log"
