#include "BenchSetup.hpp"

#include <benchmark/benchmark.h>

#include <SFML/System/Time.hpp>

#include <chrono>
#include <ctime>

namespace
{
// About one frame of a bare drawing loop on this machine.
const sf::Time FrameTime = sf::microseconds(2700);
// Short enough that nothing reaches the ship or the wall before the field is
// filled again: in 100 frames an enemy missile flies 162 pixels.
constexpr int FramesPerFill = 100;

// The simulation runs on this thread alone: its cost is the thread's CPU
// time, which other processes on the machine do not stretch. Drawing is done
// by the software renderer's own threads as well, so it is wall time.
enum class Cost
{
    ThisThread,
    WallClock
};

double secondsOf(Cost cost)
{
    if (cost == Cost::WallClock)
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Each iteration fills the play screen's field to the asked size and runs
// `step` on it for FramesPerFill frames; the time of an iteration is that of
// all of them (the counter `frames` says how many).
// The fake clock stands still, so the spawner only reads its clocks, as in
// all but one frame in a thousand of real play.
template <typename Step> void timeFrames(benchmark::State& state, Cost cost, Step step)
{
    BusyPlayScreen& busy = busyPlayScreen();
    const auto nodes = static_cast<std::size_t>(state.range(0));
    unsigned seed = 0;
    for (auto _ : state)
    {
        busy.fill(nodes, ++seed);
        PlayScreen& screen = busy.screen();
        const double start = secondsOf(cost);
        for (int frame = 0; frame < FramesPerFill; ++frame)
            step(screen);
        state.SetIterationTime(secondsOf(cost) - start);
    }
    state.counters["frames"] = FramesPerFill;
}

// What the play screen computes in a frame: update walk, spawner, input walk
// and collision rules.
void SimulatedFrame(benchmark::State& state)
{
    timeFrames(state, Cost::ThisThread, [](PlayScreen& screen) { screen.update(FrameTime); });
}

// Its parts, to see where the time goes.
void UpdateWalk(benchmark::State& state)
{
    timeFrames(state, Cost::ThisThread,
               [](PlayScreen& screen) { screen.sceneGraph().update(FrameTime); });
}

void CollisionRules(benchmark::State& state)
{
    timeFrames(state, Cost::ThisThread, [](PlayScreen& screen) { screen.handleCollisions(); });
}

void InputWalk(benchmark::State& state)
{
    timeFrames(state, Cost::ThisThread,
               [](PlayScreen& screen)
               { screen.sceneGraph().handleInput(sf::Keyboard::Unknown, false); });
}

// Clearing, the draw walk and presenting the frame.
void DrawFrame(benchmark::State& state)
{
    timeFrames(state, Cost::WallClock, [](PlayScreen& screen) { screen.render(); });
}

void sceneSizes(benchmark::internal::Benchmark* benchmark)
{
    for (int nodes : {60, 200, 500})
        benchmark->Arg(nodes);
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond);
}
} // namespace

BENCHMARK(SimulatedFrame)->Apply(sceneSizes);
BENCHMARK(UpdateWalk)->Apply(sceneSizes);
BENCHMARK(InputWalk)->Apply(sceneSizes);
BENCHMARK(CollisionRules)->Apply(sceneSizes);
BENCHMARK(DrawFrame)->Apply(sceneSizes);
