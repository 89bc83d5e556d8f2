#!/usr/bin/env bash
# AddressSanitizer + UndefinedBehaviorSanitizer: builds the game, the tools and
# the tests instrumented in their own folder, then runs every unit suite and
# one end-to-end cycle (odd window sizes on every screen). Any report fails.
#
#   scripts/sanitize-check.sh [build folder]     (default: build-asan)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-asan}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORIX_SANITIZE=ON \
    -DVANTORIX_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

# Leaks are reported at exit. Mesa's software driver is unloaded when the last
# GL context goes, before LeakSanitizer looks: what it still holds would show up
# as leaks without symbols, not to be told apart from ours. Preloaded, it stays
# loaded and its memory stays reachable. Anything else the drivers keep for the
# life of the process is listed, with the reason, in the suppressions file.
mesa_driver=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1 || true)
if [[ -n "$mesa_driver" ]]; then
    export LD_PRELOAD="$mesa_driver"
fi
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:verify_asan_link_order=0:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitize/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ALSOFT_DRIVERS=null
# Every damaged file of every kind runs in the main suite; here one file of
# each format is enough to reach every path of the media checks.
representatives='(playerShip_png|LoadScreenNeutral_jpg|Lose_flac|laser_wav|Digital_tech_otf|MenuBackgroundSong_ogg)_'
xvfb-run -a -s "-noreset -screen 0 1920x1920x24" bash -c '
    ctest --test-dir "$1" --output-on-failure -j"$(nproc)" -LE "e2e|soak" -E "HostileMediaFile" &&
    ctest --test-dir "$1" --output-on-failure -j"$(nproc)" -R "HostileMediaFile.*/$2"' \
    check "$build" "$representatives"
ctest --test-dir "$build" --output-on-failure -R '^e2e\.OddWindowsOnEveryScreen$'
