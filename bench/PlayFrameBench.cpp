#include "BenchSetup.hpp"

#include <benchmark/benchmark.h>

#include <SFML/System/Time.hpp>

#include <chrono>

namespace
{
// About one frame of a bare drawing loop on this machine.
const sf::Time FrameTime = sf::microseconds(2700);
// Short enough that nothing reaches the ship or the wall before the field is
// filled again: in 100 frames an enemy missile flies 162 pixels.
constexpr int FramesPerFill = 100;

// Times `step` once per iteration on a busy play screen of the asked size.
// The fake clock stands still, so the spawner only reads its clocks, as in
// all but one frame in a thousand of real play.
template <typename Step> void timeFrames(benchmark::State& state, Step step)
{
    BusyPlayScreen& busy = busyPlayScreen();
    const auto nodes = static_cast<std::size_t>(state.range(0));
    unsigned seed = 0;
    int frame = 0;
    for (auto _ : state)
    {
        if (frame++ % FramesPerFill == 0)
            busy.fill(nodes, ++seed);
        const auto start = std::chrono::steady_clock::now();
        step(busy.screen());
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(spent.count());
    }
}

// What the play screen computes in a frame: update walk, spawner, input walk
// and collision rules.
void SimulatedFrame(benchmark::State& state)
{
    timeFrames(state, [](PlayScreen& screen) { screen.update(FrameTime); });
}

// Its parts, to see where the time goes.
void UpdateWalk(benchmark::State& state)
{
    timeFrames(state, [](PlayScreen& screen) { screen.sceneGraph().update(FrameTime); });
}

void CollisionRules(benchmark::State& state)
{
    timeFrames(state, [](PlayScreen& screen) { screen.handleCollisions(); });
}

void InputWalk(benchmark::State& state)
{
    timeFrames(state, [](PlayScreen& screen)
               { screen.sceneGraph().handleInput(sf::Keyboard::Unknown, false); });
}

// Clearing, the draw walk and presenting the frame.
void DrawFrame(benchmark::State& state)
{
    timeFrames(state, [](PlayScreen& screen) { screen.render(); });
}

void sceneSizes(benchmark::internal::Benchmark* benchmark)
{
    for (int nodes : {60, 200, 500})
        benchmark->Arg(nodes);
    benchmark->UseManualTime()->Unit(benchmark::kMicrosecond);
}
} // namespace

BENCHMARK(SimulatedFrame)->Apply(sceneSizes);
BENCHMARK(UpdateWalk)->Apply(sceneSizes);
BENCHMARK(InputWalk)->Apply(sceneSizes);
BENCHMARK(CollisionRules)->Apply(sceneSizes);
BENCHMARK(DrawFrame)->Apply(sceneSizes);
