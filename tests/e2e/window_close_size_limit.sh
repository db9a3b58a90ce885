#!/usr/bin/env bash
# Closing the real window when the settings cannot be saved because a file-size
# limit is reached: the window says so, ends normally, leaves ini.dat as it was
# and no temporary file. The limit's signal would end the process unless the
# program ignores it. Runs on a virtual X display; skipped without Xvfb or Qt.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

app="$(cd "$3" && pwd)/program/ventorel"
for need in "$app" "$(command -v Xvfb || true)" "$(command -v xdotool || true)"; do
  if [ ! -x "$need" ]; then echo "note: no window or no Xvfb/xdotool here; skipped"; exit 0; fi
done

work=$(mktemp -d)
xvfb_pid= app_pid=
trap 'for p in $app_pid $xvfb_pid; do kill "$p" 2> /dev/null || true; done; rm -rf "$work"' EXIT
cp "$2"/data/*.dat "$work/"
printf '1\r\n' > "$work/ini.dat"

waitfor() { for _ in $(seq 300); do "$@" > /dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
# Xvfb picks a free display itself and writes its number once it accepts
# connections, so two displays started at once never share a number.
Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 & xvfb_pid=$!
waitfor test -s "$work/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' < "$work/display")"

# No file may grow, so the program's own output goes through a pipe.
(cd "$work" && ulimit -f 0 && exec env QT_QPA_PLATFORM=xcb "$app" --folder "$work") > >(cat > "$work/log") 2>&1 & app_pid=$!
windows() { xdotool search --onlyvisible --name '^Ventorel$' 2> /dev/null; }
waitfor windows || { echo "FAIL: the window did not show: $(cat "$work/log")"; exit 1; }
main=$(windows | head -1)

# The close button of a window manager, as the window sees it: WM_DELETE_WINDOW.
close_window() {
  /usr/bin/python3 - "$1" <<'PY'
import ctypes as c, sys
x = c.CDLL("libX11.so.6")
x.XOpenDisplay.restype = c.c_void_p
x.XInternAtom.restype = c.c_ulong
x.XInternAtom.argtypes = [c.c_void_p, c.c_char_p, c.c_int]
x.XSendEvent.argtypes = [c.c_void_p, c.c_ulong, c.c_int, c.c_long, c.c_void_p]
class ClientMessage(c.Structure):
    _fields_ = [("type", c.c_int), ("serial", c.c_ulong), ("send_event", c.c_int), ("display", c.c_void_p),
                ("window", c.c_ulong), ("message_type", c.c_ulong), ("format", c.c_int), ("data", c.c_long * 5)]
class Event(c.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", c.c_long * 24)]
display = x.XOpenDisplay(None)
event = Event()
m = event.xclient
m.type, m.window, m.format = 33, int(sys.argv[1]), 32
m.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
m.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(display, m.window, 0, 0, c.byref(event))
x.XFlush(display)
PY
}

fail=0
# The message box ("あれー？") is a second window of that name. A request that comes
# while the window is still starting up may go unheard, so it is repeated until the
# box shows; every box is answered with Return until the program has ended.
box() { [ -n "$(windows | grep -vx "$main")" ]; }
for _ in $(seq 15); do
  close_window "$main"
  for _ in $(seq 20); do box && break; sleep 0.1; done
  box && break
done
box && echo "ok: the failed save is reported" || { echo "FAIL: no message box"; fail=1; }
for _ in $(seq 300); do
  kill -0 "$app_pid" 2> /dev/null || break
  for w in $(windows | grep -vx "$main" || true); do xdotool windowfocus --sync "$w" key Return 2> /dev/null || true; done
  sleep 0.1
done
status=0
kill "$app_pid" 2> /dev/null || true
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] && echo "ok: the window ends normally" || { echo "FAIL: the window exited $status"; fail=1; }
[ "$(cat "$work/ini.dat")" = $'1\r' ] && echo "ok: ini.dat kept" || { echo "FAIL: ini.dat changed"; fail=1; }
[ -z "$(find "$work" -name '*.part-*')" ] && echo "ok: no temporary file" || { echo "FAIL: a temporary file is left"; fail=1; }
exit $fail
