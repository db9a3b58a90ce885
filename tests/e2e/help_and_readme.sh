#!/usr/bin/env bash
# `ventorel-cli --help`, the README and the man page state the range of the
# precise sky the same way, and the program keeps to it: the first and last year
# as typed are made from the precise sky, the years just outside are not.
#
# Arguments: the ventorel-cli binary, the source folder, the build folder.
set -euo pipefail

cli=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" --help > "$work/help"

# Each text's statement of the range, as "first-typed first-astronomical last".
python3 - "$work/help" "$src/README.md" "$src/data/desktop/ventorel-cli.1" > "$work/ranges" << 'EOF'
import re, sys
help_text, readme, man = (re.sub(r"\s+", " ", open(p, encoding="utf-8").read().replace("\\-", "-")) for p in sys.argv[1:])
found = {
    "help": re.search(r"years (-\d+)\.\.(\d+) as typed, astronomical (-\d+)\.\.(\d+)", help_text),
    "README": re.search(r"Valid for (\d+) BC \((-\d+) as typed; astronomical (-\d+)\) to (\d+)", readme),
    "man": re.search(r"years (-\d+) \(as typed; astronomical (-\d+)\) to (\d+)", man),
}
for name, m in found.items():
    if not m:
        sys.exit(f"FAIL: the {name} states no precise range")
h, r, m = found["help"], found["README"], found["man"]
if h.group(2) != h.group(4):
    sys.exit(f"FAIL: the help's last year differs as typed and astronomical: {h.group(0)}")
if int(r.group(1)) != -int(r.group(2)):
    sys.exit(f"FAIL: the README's BC year is not its typed year: {r.group(0)}")
for name, row in (("help", (h.group(1), h.group(3), h.group(2))), ("README", (r.group(2), r.group(3), r.group(4))),
                  ("man", m.groups())):
    print(name, *row)
EOF
fail=0
if [ "$(cut -d' ' -f2- "$work/ranges" | sort -u | wc -l)" -eq 1 ]; then
  echo "ok: help, README and man page state one precise range: $(head -1 "$work/ranges" | cut -d' ' -f2-)"
else
  echo "FAIL: the precise ranges differ: $(tr '\n' ';' < "$work/ranges")"
  fail=1
fi
read -r _ first astronomical last < <(head -1 "$work/ranges")
[ "$((first + 1))" -eq "$astronomical" ] && echo "ok: typed $first is astronomical $astronomical" ||
  { echo "FAIL: typed $first is not astronomical $astronomical"; fail=1; }

# The program: the precise sky inside the range, the classic model just outside.
cp "$src"/data/*.dat "$work/"
while read -r year precise; do
  source=$("$cli" --folder "$work" --format json --stdout -- "$year" | grep -o '"sky_source":"[^"]*"')
  case "$source" in *"precise sky"*) got=yes ;; *) got=no ;; esac
  [ "$got" = "$precise" ] && echo "ok: $year precise: $got" || { echo "FAIL: $year precise: $got ($source)"; fail=1; }
done << EOF
$((first - 1)) no
$first yes
$last yes
$((last + 1)) no
EOF
exit $fail
