#!/usr/bin/env bash
# Fuzzes every parser of outside bytes with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer, in a clang build folder of its own
# (build-fuzz). The harnesses share the time given, a minute in all by
# default; the seeds come from the media a regular build generates.
#
#   scripts/fuzz.sh [--seconds N | --runs N] [regular build folder]
#
# --runs gives each harness a number of inputs instead of a time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=60
runs=""
while [[ $# -gt 0 ]]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) break ;;
    esac
done
build=${1:-$root/build}
fuzz_build=$root/build-fuzz

"$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target vantorix_media -j"$(nproc)"
cmake -S "$root" -B "$fuzz_build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTORIX_FUZZ=ON -DVANTORIX_GENERATED_MEDIA="$build/Media" >/dev/null
cmake --build "$fuzz_build" --target vantorix_fuzzers -j"$(nproc)"

harnesses=$(ctest --test-dir "$fuzz_build" -N -L fuzz | grep -c 'Test *#')
if [[ -n "$runs" ]]; then
    export VANTORIX_FUZZ_RUNS=$runs
else
    export VANTORIX_FUZZ_SECONDS=$(((seconds + harnesses - 1) / harnesses))
fi
ctest --test-dir "$fuzz_build" -L fuzz -V
