#!/usr/bin/env bash
# Builds Vantorix with every test suite and runs them all headless: under Xvfb
# for graphics, with OpenAL Soft's null output for sound.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORIX_BUILD_TESTS=ON
cmake --build "$root/build" -j"$(nproc)"
export ALSOFT_DRIVERS=null
xvfb-run -a -e "$root/build/xvfb.log" -s "-noreset -screen 0 1920x1920x24" \
    ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" "$@"
# The whole run (no ctest arguments) also builds and checks the Debian package,
# the sanitizer build and one cycle under valgrind, and fuzzes the parsers for
# a minute.
if [[ $# -eq 0 ]]; then
    "$root/scripts/package-check.sh"
    "$root/scripts/sanitize-check.sh" "$root/build-asan"
    "$root/scripts/valgrind-check.sh" "$root/build"
    "$root/scripts/fuzz.sh" --seconds 60 "$root/build"
fi
