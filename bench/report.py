#!/usr/bin/env python3
"""Turns the figures of one benchmark run into docs/PERFORMANCE.md and the
table behind the collision search plot.

usage: report.py <results folder> <docs folder>

The results folder holds bench.json (Google Benchmark, with repetitions),
the "name value unit" lines of vantorix_timing in fps.txt, startup.txt,
media.txt, fire.txt, replay.txt and memory.txt, of vantorix_enemy_fire in
enemy-fire.txt, those of side_by_side.py in
side-by-side.txt, and machine.txt ("key: value" lines)."""

import json
import sys
from pathlib import Path


def read_benchmarks(path):
    """Median time in microseconds and counters, by run name. The searches
    report their thread's CPU time; the frame benchmarks time themselves
    (CPU time of the thread for the simulation, wall time for drawing)."""
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
    medians = {}
    for entry in json.loads(path.read_text())["benchmarks"]:
        if entry.get("aggregate_name") != "median":
            continue
        timed_by_itself = entry["run_name"].endswith("/manual_time")
        name = entry["run_name"].replace("/manual_time", "")
        medians[name] = {
            # The frame benchmarks time several frames an iteration.
            "us": entry["real_time" if timed_by_itself else "cpu_time"]
            * scale[entry["time_unit"]] / entry.get("frames", 1),
            "nodes": entry.get("nodes"),
            "pairs": entry.get("pairs"),
        }
    return medians


def read_figures(*paths):
    figures = {}
    for path in paths:
        if not path.exists():
            continue
        for line in path.read_text().splitlines():
            parts = line.split()
            if len(parts) >= 2:
                try:
                    figures[parts[0]] = float(parts[1])
                except ValueError:
                    pass
    return figures


def read_machine(path):
    machine = {}
    for line in path.read_text().splitlines():
        key, _, value = line.partition(":")
        machine[key.strip()] = value.strip()
    return machine


def us(value):
    if value >= 1000:
        return f"{value / 1000:.2f} ms"
    if value >= 10:
        return f"{value:.0f} µs"
    return f"{value:.2f} µs"


def mb(kilobytes):
    return f"{kilobytes / 1024:.1f} MB"


def verdict(met):
    return "met" if met else "**not met**"


def main():
    results, docs = Path(sys.argv[1]), Path(sys.argv[2])
    bench = read_benchmarks(results / "bench.json")
    timing = read_figures(*(results / name for name in
                            ("fps.txt", "startup.txt", "media.txt", "memory.txt",
                             "memory-fixed-threshold.txt", "fire.txt", "replay.txt",
                             "enemy-fire.txt",
                             "side-by-side.txt")))
    machine = read_machine(results / "machine.txt")

    sizes = sorted(int(name.split("/")[1]) for name in bench if name.startswith("SweepSearch/"))
    with open(results / "collision-search.dat", "w") as table:
        table.write("# nodes  sort-and-sweep(us)  all-pairs(us)\n")
        for n in sizes:
            table.write(f"{n} {bench[f'SweepSearch/{n}']['us']:.3f} "
                        f"{bench[f'AllPairsWalk/{n}']['us']:.3f}\n")

    sweep500 = bench["SweepSearch/500"]["us"]
    walk500 = bench["AllPairsWalk/500"]["us"]
    speedup = walk500 / sweep500
    same_pairs = all(bench[f"SweepSearch/{n}"]["pairs"] == bench[f"AllPairsWalk/{n}"]["pairs"]
                     for n in sizes)

    def frame_share(n):
        return bench[f"SimulatedFrame/{n}"]["us"] / bench[f"DrawFrame/{n}"]["us"]

    out = []
    add = out.append
    add("# Performance")
    add("")
    add("Figures of one run of `./scripts/bench.sh`, which regenerates this page and the plot. "
        "Every figure is a median; each goal is a ratio of two things measured side by side in "
        "that run, on this machine.")
    add("")
    add("| machine | |")
    add("|---|---|")
    for key in ("date", "cpu", "cores", "system", "renderer", "load average at start",
                "load average at end"):
        if key in machine:
            add(f"| {key} | {machine[key]} |")
    add("")
    add("## Goals")
    add("")
    add("| goal | measured | target | |")
    add("|---|---|---|---|")
    add(f"| 1. collision search, 500 nodes | sort-and-sweep {us(sweep500)}, all-pairs walk "
        f"{us(walk500)}: **{speedup:.0f}× faster**; same pairs at every size: "
        f"{'yes' if same_pairs else 'NO'} | ≥ 10×, identical pairs | "
        f"{verdict(speedup >= 10 and same_pairs)} |")
    add(f"| 2. simulated play frame, 60 nodes | {us(bench['SimulatedFrame/60']['us'])} against "
        f"{us(bench['DrawFrame/60']['us'])} to draw it: **{frame_share(60) * 100:.2f} %** "
        f"(200 nodes: {frame_share(200) * 100:.2f} %, 500 nodes: {frame_share(500) * 100:.2f} %) "
        f"| ≤ 5 % | {verdict(frame_share(60) <= 0.05)} |")
    if "fps.ratio" in timing:
        add(f"| 3. frames per second | play screen {timing['fps.play_screen']:.0f}, bare SFML loop "
            f"drawing the same {timing['fps.drawn_items']:.0f} items a frame "
            f"{timing['fps.bare_loop']:.0f}: **{timing['fps.ratio']:.2f}×** | ≥ 0.9× | "
            f"{verdict(timing['fps.ratio'] >= 0.9)} |")
    if "startup.ratio" in timing:
        add(f"| 4. start-up | play screen built in {timing['startup.play_screen']:.1f} ms, its 15 "
            f"files decoded alone in {timing['startup.decode_alone']:.1f} ms: "
            f"**{timing['startup.ratio']:.2f}×**; `Media` folder "
            f"{timing['media.bytes'] / 1e6:.2f} MB in {timing['media.files']:.0f} files "
            f"(the play screen's 15: {timing['media.play_screen_bytes'] / 1e6:.2f} MB) | ≤ 1.3×, "
            f"small | {verdict(timing['startup.ratio'] <= 1.3)} |")
    if "memory.peak_first_kb" in timing:
        settled, last = timing["memory.peak_settled_kb"], timing["memory.peak_last_kb"]
        growth = last - settled
        heap_flat = timing["memory.heap_spread_kb"] <= 0.02 * timing["memory.heap_last_kb"]
        # The kernel counts resident memory in pages; a few pages over forty
        # cycles is not growth.
        if growth <= 64 and heap_flat:
            memory_verdict = "met" if growth <= 0 else f"met ({growth:.0f} kB, a few pages)"
        elif heap_flat:
            memory_verdict = ("**not met** by the process; the program itself keeps nothing "
                              "(heap in use flat): see 5a")
        else:
            memory_verdict = "**not met**"
        add(f"| 5. memory over {timing['memory.cycles']:.0f} menu → play → game-over cycles | peak "
            f"resident {mb(timing['memory.peak_first_kb'])} after cycle 1, {mb(settled)} after "
            f"cycle {timing['memory.settled_cycle']:.0f}, {mb(last)} after cycle "
            f"{timing['memory.cycles']:.0f}: **{growth / 1024:+.1f} MB after warm-up** "
            f"({(last - timing['memory.peak_first_kb']) / 1024:+.1f} MB from cycle 1); heap in use "
            f"after each cycle {mb(timing['memory.heap_first_kb'])} → "
            f"{mb(timing['memory.heap_last_kb'])}, spread {timing['memory.heap_spread_kb']:.0f} kB "
            f"| no growth | {memory_verdict} |")
    if "fixed_threshold.peak_first_kb" in timing:
        fixed = {key.split(".", 1)[1]: value for key, value in timing.items()
                 if key.startswith("fixed_threshold.")}
        add(f"| 5a. the same with glibc's mmap threshold held at 128 kB "
            f"(`MALLOC_MMAP_THRESHOLD_=131072`), for diagnosis | peak resident "
            f"{mb(fixed['peak_first_kb'])} after cycle 1, {mb(fixed['peak_settled_kb'])} after "
            f"cycle {fixed['settled_cycle']:.0f}, {mb(fixed['peak_last_kb'])} after cycle "
            f"{fixed['cycles']:.0f}: **{(fixed['peak_last_kb'] - fixed['peak_settled_kb']) / 1024:+.1f}"
            f" MB after warm-up** ({(fixed['peak_last_kb'] - fixed['peak_first_kb']) / 1024:+.1f} "
            f"MB from cycle 1) | — | |")
    side = {key.split(".", 1)[1]: value for key, value in timing.items()
            if key.startswith("side.")}
    if "menu_idle_ratio" in side:
        add(f"| 6. CPU idling in the title menu, against a peer | Vantorix "
            f"{side['menu_idle_game_percent']:.1f} % of one core (all threads, "
            f"{side['idle_seconds']:.0f} s; worst round {side['menu_idle_game_worst_percent']:.1f} %), "
            f"Chromium B.S.U.'s title menu {side['menu_idle_peer_percent']:.1f} %: "
            f"**{side['menu_idle_ratio']:.2f}×** | ≤ 0.2× | "
            f"{verdict(side['menu_idle_ratio'] <= 0.2)} |")
        add(f"| 7. peak resident memory over one menu → play → game-over cycle | Vantorix "
            f"{mb(side['peak_game_kb'])}, a bare SFML program with the same window and media "
            f"files {mb(side['peak_bare_kb'])}: **{side['peak_ratio']:.2f}×** | ≤ 1.15× | "
            f"{verdict(side['peak_ratio'] <= 1.15)} |")
        add(f"| 8. start to the first menu frame, the media's verdicts kept from an earlier "
            f"start | Vantorix {side['startup_game_ms']:.0f} ms, the bare program "
            f"{side['startup_bare_ms']:.0f} ms: **{side['startup_ratio']:.2f}×** | ≤ 1.2× | "
            f"{verdict(side['startup_ratio'] <= 1.2)} |")
        add(f"| 8a. first start, no verdicts kept (every file the menu opens judged by a child) "
            f"| median **{side['startup_first_ms']:.0f} ms**, slowest "
            f"{side['startup_first_worst_ms']:.0f} ms | < 1 s | "
            f"{verdict(side['startup_first_worst_ms'] < 1000)} |")
        still_met = (side["menu_idle_game_worst_percent"] <= 5
                     and side["game_over_game_percent"] <= 5
                     and side["hover_worst_ms"] <= 100)
        add(f"| 9. still screens | title menu {side['menu_idle_game_percent']:.1f} %, "
            f"game-over screen {side['game_over_game_percent']:.1f} % of one core; Play lit "
            f"{side['hover_median_ms']:.0f} ms after the pointer moved onto it (median of "
            f"{side['hover_count']:.0f}, slowest {side['hover_worst_ms']:.0f} ms, seen from "
            f"outside) | ≤ 5 %, lit within 0.1 s | {verdict(still_met)} |")
    if "fire.cap" in timing:
        rates = sorted(float(key.split("_", 1)[1].rsplit(".", 1)[0]) for key in timing
                       if key.startswith("fire.rate_") and key.endswith(".ratio"))
        measured = {rate: timing[f"fire.rate_{rate:g}.shots_per_second"] for rate in rates}
        written = {rate: timing[f"fire.rate_{rate:g}.as_written"] for rate in rates}
        shots = ", ".join(f"{measured[rate]:.2f} (rule {written[rate]:.2f}, nominal {rate:g})"
                          for rate in rates)
        # The rule never fires faster than the nominal rate, nor waits more than
        # a frame past its interval; 2 % allows for the clock's own jitter.
        held = all(written[rate] * 0.98 <= measured[rate] <= rate * 1.02 for rate in rates)
        play = (f"; the play screen {side['play_uncapped_percent']:.0f} % of one core uncapped, "
                f"{side['play_capped_percent']:.0f} % with `--max-fps {side['play_cap']:.0f}`"
                if "play_capped_percent" in side else "")
        add(f"| 10. held fire with `--max-fps {timing['fire.cap']:.0f}` | shots per second "
            f"{shots} at {timing['fire.frames_per_second']:.1f} frames/s{play} | between the "
            f"rule's whole frames and the nominal rate | {verdict(held)} |")
    if "replay.cpu_ratio" in timing:
        minute = (f"a recorded game of {timing['replay.seconds']:.0f} s "
                  f"({timing['replay.frames']:.0f} frames)")
        add(f"| 11. replay, the simulation alone | {minute} played again without drawing: "
            f"**{timing['replay.simulated_fps']:,.0f} frames/s**; every check matched: "
            f"{'yes' if timing['replay.matches'] else 'NO'} | every check matches | "
            f"{verdict(timing['replay.matches'] == 1)} |")
        add(f"| 12. replay drawn, uncapped | the same game drawn frame by frame "
            f"{timing['replay.drawn_fps']:.0f} frames/s, a bare SFML loop drawing the same frames "
            f"{timing['replay.bare_fps']:.0f}: **{timing['replay.drawn_ratio']:.2f}×** | ≥ 0.9× | "
            f"{verdict(timing['replay.drawn_ratio'] >= 0.9)} |")
        add(f"| 13. replay drawn with `--max-fps {timing['replay.cap']:.0f}` | CPU "
            f"{timing['replay.capped_cpu_percent']:.1f} % of one core, the bare loop at the same "
            f"cap {timing['replay.bare_capped_cpu_percent']:.1f} %: "
            f"**{timing['replay.cpu_ratio']:.2f}×** | ≤ 1.1× | "
            f"{verdict(timing['replay.cpu_ratio'] <= 1.1)} |")
    if "enemy_fire.enemies" in timing:
        def shots(pace, run):
            return timing[f"enemy_fire.{pace}.{run}.shots_per_second"]

        def frames(pace, run):
            return timing[f"enemy_fire.{pace}.{run}.frames_per_second"]

        steady = timing["enemy_fire.steady.uncapped_over_cap_30"]
        add(f"| 14. enemy fire per second, Relaxed's steady pace, `--max-fps 30` against "
            f"uncapped | {shots('steady', 'cap_30'):.2f} shots/s an enemy at "
            f"{frames('steady', 'cap_30'):.0f} frames/s, {shots('steady', 'uncapped'):.2f} at "
            f"{frames('steady', 'uncapped'):.0f} frames/s: **{steady:.2f}×** (nominal "
            f"{timing['enemy_fire.nominal_shots_per_second']:.0f}; Normal's roll a frame: "
            f"{shots('per_frame', 'cap_30'):.2f} and {shots('per_frame', 'uncapped'):.2f}, "
            f"{timing['enemy_fire.per_frame.uncapped_over_cap_30']:.2f}×) | within 15 % | "
            f"{verdict(0.85 <= steady <= 1.15)} |")
    add("")
    add("## Collision search")
    add("")
    add("One frame's search over the play screen's tree (its own nodes and a busy field of "
        "enemies, their missiles and the ship's missiles), with the fresh pair set the play screen "
        "makes each frame. The all-pairs walk is the reference the tests hold the search against.")
    add("")
    add("![per-frame cost of both searches against node count](collision-search.png)")
    add("")
    add("| nodes | overlapping pairs | all-pairs walk | sort-and-sweep | speed-up |")
    add("|---:|---:|---:|---:|---:|")
    for n in sizes:
        walk, sweep = bench[f"AllPairsWalk/{n}"], bench[f"SweepSearch/{n}"]
        add(f"| {n} | {sweep['pairs']:.0f} | {us(walk['us'])} | {us(sweep['us'])} | "
            f"{walk['us'] / sweep['us']:.0f}× |")
    add("")
    add("## One play frame")
    add("")
    add("The play screen's own steps on the same busy field, 2.7 ms of game time per frame; the "
        "clocks stand still, so the spawner only reads them, as in all but one frame in a "
        "thousand of real play. Drawing is clearing, the draw walk and presenting the frame "
        "through Mesa's software renderer under Xvfb.")
    add("")
    add("| nodes | simulated frame | update walk | input walk | collision rules | drawing | "
        "simulation / drawing |")
    add("|---:|---:|---:|---:|---:|---:|---:|")
    for n in (60, 200, 500):
        add(f"| {n} | {us(bench[f'SimulatedFrame/{n}']['us'])} | "
            f"{us(bench[f'UpdateWalk/{n}']['us'])} | {us(bench[f'InputWalk/{n}']['us'])} | "
            f"{us(bench[f'CollisionRules/{n}']['us'])} | {us(bench[f'DrawFrame/{n}']['us'])} | "
            f"{frame_share(n) * 100:.2f} % |")
    add("")
    add("## How the figures are taken")
    add("")
    add("- `bench/vantorix_bench` (Google Benchmark, 5 repetitions, medians): `SweepSearch`, "
        "`AllPairsWalk`, `SimulatedFrame`, `UpdateWalk`, `InputWalk`, `CollisionRules`, "
        "`DrawFrame`, each by node count. The searches and the simulated steps run on one thread "
        "and are timed on that thread's CPU clock, which other work on the machine does not "
        "stretch; drawing is partly done by the software renderer's own threads and is timed on "
        "the wall clock. The frame benchmarks time runs of 100 frames between refills of the "
        "field; the tables give the mean frame.")
    add("- `bench/vantorix_timing fps`: rounds of the real play screen on the real clock, "
        "its field filled to 60 nodes every half second between frames, each round followed by "
        "a bare SFML loop that replays what the play screen drew, frame by frame (the same "
        "textures, texture rectangles and transforms in the same order, the two background tiles "
        "and the level texts). Frames per second count only the frames.")
    add("- `bench/vantorix_timing startup`: the play screen's construction (loads, scene, "
        "spawner, input) against `loadFromFile` of the same 11 textures, 3 sound buffers and the "
        "font, alternating, after one warm-up of each.")
    if "memory.peak_first_kb" in timing:
        add("- `bench/vantorix_cycles`: menu → play → game-over cycles in one process, each "
            "screen's own `run()`, on a clock 25 times faster than real time (the pointer rests on "
            "Play and the button is clicked; a game without input ends when an enemy reaches the "
            "wall or the ship is shot down). After each cycle: the kernel's peak and current "
            "resident size, and the bytes the program holds through glibc's allocator (`mallinfo2`: "
            "arenas and mapped blocks), which shows whether the program itself keeps anything. "
            "Left to itself, glibc raises its mmap threshold once the first multi-megabyte "
            "image buffers are freed; later image buffers then come from the heap and leave it "
            "fragmented, and the peak grows while the bytes in use do not. The game and the "
            "cycle runner therefore hold the threshold at 128 kB at start-up "
            "(`mallopt(M_MMAP_THRESHOLD, 128 * 1024)`); 5a sets it through the environment "
            "as well, as a check.")
    if "menu_idle_ratio" in side:
        add(f"- `bench/side_by_side.py`: the built game, `bench/vantorix_bare` and Chromium B.S.U. "
            f"(Debian's `chromium-bsu`, windowed at 800 × 600) on the same X server, watched "
            f"from outside as a user sees them. Start-up: from starting the process to the "
            f"first frame showing the menu image, read back from the X server, "
            f"{side['startups']:.0f} alternating pairs after one of each to warm the page "
            f"cache and keep the game's verdicts on its media, which the pairs share; after "
            f"each pair, the game started once more with a cache folder of its own. Then {side['rounds']:.0f} rounds of: the game's title menu left alone for "
            f"{side['idle_seconds']:.0f} s (user and system time of all its threads, from "
            f"`/proc/<pid>/stat`), the pointer moved onto Play five times (XTest) and the time "
            f"until the lit button shows, a click on Play, {side['play_seconds']:.0f} s of play "
            f"from one second in (CPU), the game left to itself until it is lost, three "
            f"seconds of the game-over screen, and the peak resident size "
            f"(`VmHWM`) once the menu is back; the bare program shown its menu picture, "
            f"clicked, and its peak read once it shows the game-over picture (it holds every "
            f"file to the end, as the game holds a cycle's three screens); the peer's title "
            f"menu left alone for the same time, all its threads counted; and the game "
            f"started with `--max-fps {side['play_cap']:.0f}` for the same stretch of play. "
            f"Every program runs "
            f"with OpenAL Soft's null output and a scratch home folder.")
    if "enemy_fire.enemies" in timing:
        add(f"- `bench/vantorix_enemy_fire`: {timing['enemy_fire.enemies']:.0f} enemies at fire "
            f"odds 20 standing over the galaxy picture, "
            f"{timing['enemy_fire.seconds_per_run']:.0f} s of real time for each pace and cap; "
            f"a shot counted in the frame it leaves its enemy.")
    if "fire.cap" in timing:
        add(f"- `bench/vantorix_timing fire`: the ship alone over the galaxy picture, Up held, "
            f"the frame loop capped at {timing['fire.cap']:.0f} frames per second by the "
            f"play screen's own cap, {timing['fire.seconds_per_rate']:.0f} s of real time for "
            f"each fire rate; shots per second from the first shot to the last.")
    if "replay.cpu_ratio" in timing:
        add(f"- `bench/vantorix_timing replay`: a minute of play recorded by "
            f"`tools/demo_recorder` with the same build (the pilot's game, frames of 1/60 s). "
            f"The simulation: every frame played at once by the replay's own check, nothing "
            f"drawn, {timing['replay.rounds']:.0f} rounds. Drawn: the play screen's own steps "
            f"for each frame (events, the recorded frame, drawing and presenting), "
            f"{timing['replay.rounds']:.0f} rounds, each beside a round of the bare loop of 3 "
            f"drawing the same frames, the two taking turns at going first. Capped: once more at {timing['replay.cap']:.0f} frames per "
            f"second by the play screen's own cap, and the bare loop at the same cap; CPU is the "
            f"process's user and system time over the whole run.")
    add("")
    (docs / "PERFORMANCE.md").write_text("\n".join(out))


if __name__ == "__main__":
    main()
