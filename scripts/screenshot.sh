#!/usr/bin/env bash
# Screenshots of the real window on a virtual X display (Xvfb): one after
# start-up, one after the calendar of 2024 has been made by typing the year and
# pressing "カレンダー作成" with the keyboard, as a user would.
#
# The program runs in the build's program folder, so the calendar is written
# there too. The hand-off to the browser is caught by a stand-in xdg-open, so no
# browser window covers the picture; the stand-in also tells when the run has
# written its file.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
folder="$build/program"
year=2024
before="$build/screenshot-before.png"
after="$build/screenshot-after.png"

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

# The stand-in for xdg-open: notes the file it was given.
cat > "$work/xdg-open" <<'STANDIN'
#!/bin/sh
printf '%s\n' "$1" >> "$VENTOREL_HANDED_OFF"
STANDIN
chmod +x "$work/xdg-open"

# A free display number.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x900x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"

waitfor() {  # waitfor SECONDS COMMAND...: polls until the command succeeds
  local limit=$1; shift
  for _ in $(seq $((limit * 10))); do "$@" && return 0; sleep 0.1; done
  return 1
}

cd "$folder"
rm -f " ${year}年カレンダー.htm" " ${year}年カレンダー.csv"
PATH="$work:$PATH" VENTOREL_HANDED_OFF="$work/handed-off" QT_QPA_PLATFORM=xcb ./ventorel >"$work/ventorel.log" 2>&1 &
app_pid=$!

# The main window is the one named Ventorel that covers the screen; a small one
# of that name is a message box (a data file missing from the folder), which is
# answered with Return as a user would, and reported.
found_window() {
  local w width
  for w in $(xdotool search --onlyvisible --name '^Ventorel$' 2>/dev/null); do
    width=$(xdotool getwindowgeometry --shell "$w" | sed -n 's/^WIDTH=//p')
    if [ "${width:-0}" -ge 800 ]; then
      window=$w
      return 0
    fi
    echo "screenshot: a message box came up (is a data file missing from $folder?); answering it" >&2
    xdotool windowfocus --sync "$w" key Return || true
  done
  return 1
}
if ! waitfor 30 found_window; then
  echo "screenshot: the window did not appear" >&2
  cat "$work/ventorel.log" >&2
  exit 1
fi
sleep 1
import -window root "$before"
echo "screenshot: $before"

# Type the year into the year box (which has the focus), then Tab to the
# button and press it with the space bar.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 "$year"
xdotool key Tab space

if ! waitfor 300 test -s "$work/handed-off"; then
  echo "screenshot: the run did not hand a file on within 5 minutes" >&2
  cat "$work/ventorel.log" >&2
  exit 1
fi
sleep 1
import -window root "$after"
echo "screenshot: $after"
# The hand-off names the file as a file URL; shown here as a path.
written=$(head -1 "$work/handed-off" | sed 's|^file://||; s/%/\\x/g')
printf 'screenshot: the run wrote and handed on %b\n' "$written"
