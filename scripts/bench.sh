#!/usr/bin/env bash
# Builds Vantorix in Release and measures it: the collision search and play
# frame benchmarks, frames per second, start-up and memory, held fire under a
# frame cap, enemy fire per second at a cap of 30 and uncapped, and the built
# game side by side with a bare SFML program and with
# a peer game (start-up, idle CPU, peak memory), and a recorded one-minute game
# replayed (simulated, drawn, capped), all headless (Xvfb, OpenAL
# Soft's null output). Writes docs/PERFORMANCE.md and the plot
# docs/collision-search.png from the figures of this run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
results="$build/bench-results"

"$root/scripts/install-deps.sh" bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j"$(nproc)" --target vantorix vantorix_bench vantorix_timing vantorix_cycles \
    vantorix_bare vantorix_media vantorix_enemy_fire demo_recorder

rm -rf "$results"
mkdir -p "$results"
{
    echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
    echo "cores: $(nproc)"
    echo "system: $(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r)"
    echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"
} >"$results/machine.txt"

export ALSOFT_DRIVERS=null
# The best level, the settings and the media verdicts the measured runs keep
# go to a folder of their own, not to the home of whoever measures.
kept="$build/bench-home"
rm -rf "$kept"
export XDG_DATA_HOME="$kept/data" XDG_CONFIG_HOME="$kept/config" XDG_CACHE_HOME="$kept/cache"
# The game and the tools read Media/ from the build folder.
cd "$build"
xvfb-run -a -s "-noreset -screen 0 1024x1024x24" bash -euo pipefail -c '
    results=$1 root=$2
    ./bench/vantorix_timing renderer >>"$results/machine.txt"
    ./bench/vantorix_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_out="$results/bench.json" --benchmark_out_format=json
    ./bench/vantorix_timing fps 5 5 | tee "$results/fps.txt"
    ./bench/vantorix_timing startup 21 | tee "$results/startup.txt"
    ./bench/vantorix_timing media | tee "$results/media.txt"
    ./bench/vantorix_timing fire 20 60 | tee "$results/fire.txt"
    # A minute of the pilot's play at 60 frames a second, recorded by this build.
    ./tools/demo_recorder "$results/minute.vxr" --seconds 60 --seed 7 >/dev/null
    ./bench/vantorix_timing replay "$results/minute.vxr" 3 60 | tee "$results/replay.txt"
    ./bench/vantorix_enemy_fire 30 10 | tee "$results/enemy-fire.txt"
    # The system interpreter, which has python3-xlib.
    /usr/bin/python3 "$root/bench/side_by_side.py" --game ./vantorix --bare ./bench/vantorix_bare \
        --media Media | tee "$results/side-by-side.txt"
    ./bench/vantorix_cycles 50 | tee "$results/memory.txt"
    # The same with the mmap threshold of glibc held at its default, so that
    # image-sized blocks never come from the heap: tells heap fragmentation
    # apart from memory the program keeps.
    MALLOC_MMAP_THRESHOLD_=131072 ./bench/vantorix_cycles 50 \
        | sed "s/^memory\./fixed_threshold./" | tee "$results/memory-fixed-threshold.txt"
' bash "$results" "$root"
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)" >>"$results/machine.txt"

mkdir -p "$root/docs"
python3 "$root/bench/report.py" "$results" "$root/docs"
gnuplot -e "data='$results/collision-search.dat'; output='$root/docs/collision-search.png'" \
    "$root/bench/collision-search.gp"
echo "Wrote $root/docs/PERFORMANCE.md and $root/docs/collision-search.png"
