#!/usr/bin/env bash
# Fails when a file of the engine includes a layer it may not use. The layers
# link only downward: data <- astro <- calendar <- output <- classic <- app, with
# platform beside them (on data only, for the catalogue of messages), used by
# output, classic and app only. The classic basis
# (classic/) is sealed: only the app reaches it.
#
# Argument: the source folder.
set -uo pipefail
src=${1:-.}/src

allowed() {
  case $1 in
    data) echo "data" ;;
    astro) echo "data astro" ;;
    calendar) echo "data astro calendar" ;;
    platform) echo "data platform" ;;
    output) echo "data astro calendar output platform" ;;
    classic) echo "data astro calendar output platform classic" ;;
    app) echo "data astro calendar output platform classic app" ;;
  esac
}

fail=0
checked=0
for layer in data astro calendar platform output classic app; do
  while IFS= read -r -d '' file; do
    checked=$((checked + 1))
    while IFS= read -r included; do
      # The time vocabulary of the public headers lies beneath every layer.
      [ "$included" = "ventorel/date.h" ] && continue
      # The library's boundary is the app's.
      [ "$included" = "ventorel/calendar.h" ] && [ "$layer" = app ] && continue
      target=${included%%/*}
      if ! [[ " $(allowed "$layer") " == *" $target "* ]]; then
        echo "FAIL: ${file#"$src"/} includes $included ($layer may use: $(allowed "$layer"))"
        fail=1
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
  done < <(find "$src/$layer" \( -name '*.h' -o -name '*.cpp' \) -print0)
done
[ "$fail" -eq 0 ] && echo "ok: $checked files include only the layers below them"
exit $fail
