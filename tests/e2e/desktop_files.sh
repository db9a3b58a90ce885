#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass the freedesktop.org checkers,
# and the man page renders without warnings.
# Usage: desktop_files.sh CLI SOURCE_DIR BUILD_DIR
set -uo pipefail
dir=$2/data/desktop
fail=0
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$dir/org.ventorel.Ventorel.desktop" && echo "ok: desktop entry" || fail=1
else
  echo "FAIL: desktop-file-validate missing (scripts/install-deps.sh installs desktop-file-utils)"; fail=1
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net "$dir/org.ventorel.Ventorel.metainfo.xml" && echo "ok: metainfo" || fail=1
else
  echo "FAIL: appstreamcli missing (scripts/install-deps.sh installs appstream)"; fail=1
fi
if command -v groff > /dev/null; then
  warnings=$(groff -k -man -Tutf8 -ww -z "$dir/ventorel-cli.1" 2>&1)
  [ -z "$warnings" ] && echo "ok: man page" || { echo "FAIL: man page: $warnings"; fail=1; }
fi
bash -n "$dir/ventorel-cli.bash-completion" && echo "ok: bash completion parses" || fail=1
exit $fail
