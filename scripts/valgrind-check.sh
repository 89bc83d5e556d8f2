#!/usr/bin/env bash
# Valgrind memcheck over one scripted menu -> play -> game-over cycle of the
# real screens (the soak runner's, on the test clock): no definite or indirect
# leak and no invalid read or write may come from our code. What the graphics
# and sound drivers do is suppressed, with the reason, in the suppressions file.
#
#   scripts/valgrind-check.sh [build folder]     (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
log="$build/valgrind-cycle.log"

cmake --build "$build" --target vantorix_soak -j"$(nproc)"
# Mesa's software driver is unloaded when the last GL context goes: what it
# still holds then shows up as lost, without symbols. Preloaded, it stays.
mesa_driver=$(ls /usr/lib/*/dri/swrast_dri.so 2>/dev/null | head -n 1 || true)
status=0
# llvmpipe draws on the calling thread: valgrind runs one thread at a time.
LP_NUM_THREADS=0 ALSOFT_DRIVERS=null xvfb-run -a -s "-noreset -screen 0 1920x1920x24" \
    env ${mesa_driver:+LD_PRELOAD="$mesa_driver"} valgrind --tool=memcheck --error-exitcode=3 --leak-check=full \
    --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
    --suppressions="$root/tests/valgrind/drivers.supp" --gen-suppressions=all \
    --log-file="$log" \
    "$build/tests/reliability/vantorix_soak" --cycles 1 || status=$?
grep -E "ERROR SUMMARY|definitely lost|indirectly lost" "$log" || true
if [[ $status -ne 0 ]]; then
    echo "valgrind found errors in one cycle (status $status); the full report is $log" >&2
    exit 1
fi
