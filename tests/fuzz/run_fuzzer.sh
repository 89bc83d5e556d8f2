#!/usr/bin/env bash
# Runs one fuzz harness over its corpus and seeds: for $VANTORIX_FUZZ_SECONDS
# seconds (default 60), or for $VANTORIX_FUZZ_RUNS inputs when that is set.
# The harness's own libFuzzer options (a semicolon-separated list) come after
# the common ones and so win over them.
#
#   run_fuzzer.sh HARNESS BUILD_FOLDER DICTIONARY|"" OPTIONS|"" SEED...
set -euo pipefail
harness=$1 build=$2 dictionary=$3 own_options=$4
shift 4
name=$(basename "$harness")
corpus=$build/fuzz-corpus/$name
artifacts=$build/fuzz-artifacts
mkdir -p "$corpus" "$artifacts"

seeds=()
for seed in "$@"; do
    if [[ ! -e "$seed" ]]; then
        echo "$name: seed $seed is missing (build the game's media first)" >&2
        exit 1
    fi
    seeds+=("$seed")
done

options=(-max_len=4096 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         "-artifact_prefix=$artifacts/$name-")
[[ -n "$dictionary" ]] && options+=("-dict=$dictionary")
[[ -n "$own_options" ]] && IFS=';' read -r -a own <<<"$own_options" && options+=("${own[@]}")
if [[ -n "${VANTORIX_FUZZ_RUNS:-}" ]]; then
    options+=("-runs=$VANTORIX_FUZZ_RUNS")
else
    options+=("-max_total_time=${VANTORIX_FUZZ_SECONDS:-60}")
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
log=$artifacts/$name.log
status=0
"$harness" "${options[@]}" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
# Every new input found is a line of its own, and so is every word of the
# dictionary libFuzzer recommends: show the rest.
sed -e '/Recommended dictionary/,/End of recommended dictionary/d' "$log" |
    grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' || true
exit "$status"
