#!/usr/bin/env bash
# The engine as another program uses it: `cmake --install` into a fresh prefix, the
# example of docs/example configured and built against that prefix alone (CMake
# package and pkg-config), and run on the installed data; and `make install
# DESTDIR=...` lays out the same files.
# Usage: install_example.sh CLI SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$(cd "$2" && pwd)
build=$(cd "$3" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
for f in bin/ventorel-cli include/ventorel/calendar.h include/ventorel/date.h \
         include/ventorel/engine/calendar/calendar_year.h lib/libventorel_data.a lib/libventorel_app.a \
         lib/cmake/Ventorel/VentorelConfig.cmake lib/cmake/Ventorel/VentorelTargets.cmake \
         lib/pkgconfig/ventorel.pc share/ventorel/singetu.dat share/ventorel/era_starts.dat share/ventorel/ini.dat; do
  check "installed $f" "[ -f '$prefix/$f' ]"
done

# The CMake package.
cmake -S "$src/docs/example" -B "$work/example" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release \
  > "$work/example.log" 2>&1 && cmake --build "$work/example" >> "$work/example.log" 2>&1 \
  || { tail -n 30 "$work/example.log"; exit 1; }
out=$(cd "$work" && "$work/example/print_day")
check "the example prints 1703-01-30" "grep -q '1703' <<< \"\$out\""
check "the example prints 元禄15年12月14日" "grep -q '元禄15年12月14日' <<< \"\$out\""
out=$("$work/example/print_day" "$prefix/share/ventorel" 元禄十五年十二月十四日)
check "the example takes a Japanese date" "grep -q '1703' <<< \"\$out\""
"$work/example/print_day" "$prefix/share/ventorel" 元禄15年2月30日 > /dev/null 2>&1
check "a day that did not exist is refused" "[ $? -eq 2 ]"

# pkg-config.
if command -v pkg-config > /dev/null; then
  flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs ventorel)
  # shellcheck disable=SC2086
  c++ -std=c++20 -DVENTOREL_DATA_DIR="\"$prefix/share/ventorel\"" "$src/docs/example/print_day.cpp" $flags \
    -o "$work/print_day_pc" > "$work/pc.log" 2>&1 || { cat "$work/pc.log"; fail=1; }
  check "the pkg-config build prints 元禄15年12月14日" "'$work/print_day_pc' | grep -q '元禄15年12月14日'"
fi

# Through add_subdirectory: the project configures inside another one (configured
# only: building it there would build the whole engine once more).
mkdir -p "$work/outer"
cat > "$work/outer/CMakeLists.txt" <<OUTER
cmake_minimum_required(VERSION 3.25)
project(outer LANGUAGES CXX)
add_subdirectory("$src" ventorel)
add_executable(print_day "$src/docs/example/print_day.cpp")
target_compile_definitions(print_day PRIVATE VENTOREL_DATA_DIR="$src/data")
target_link_libraries(print_day PRIVATE Ventorel::engine)
OUTER
cmake -S "$work/outer" -B "$work/outer/build" -DVENTOREL_WITH_QT=OFF -DVENTOREL_BENCH=OFF > "$work/outer.log" 2>&1
check "the project configures through add_subdirectory" "[ $? -eq 0 ] || { tail -n 20 '$work/outer.log'; false; }"

# make install DESTDIR=...
if [ -f "$build/Makefile" ]; then
  make -C "$build" install DESTDIR="$work/dest" > "$work/make.log" 2>&1 || { tail -n 20 "$work/make.log"; fail=1; }
  root=$work/dest$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
  for f in bin/ventorel-cli include/ventorel/calendar.h lib/libventorel_output.a lib/cmake/Ventorel/VentorelConfig.cmake \
           lib/pkgconfig/ventorel.pc share/ventorel/shuku.dat; do
    check "make install DESTDIR: $f" "[ -f '$root/$f' ]"
  done
fi
exit $fail
