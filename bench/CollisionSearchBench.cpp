#include "BenchSetup.hpp"
#include "support/AllPairsSearch.hpp"
#include "support/NodeInternals.hpp"

#include <benchmark/benchmark.h>

#include <set>

namespace
{
using Pairs = std::set<SceneNode::Pair>;

// One frame's search over the play screen's tree filled to the asked size,
// with the fresh set the play screen makes each frame.
template <typename Search> void searchOneFrame(benchmark::State& state, Search search)
{
    BusyPlayScreen& busy = busyPlayScreen();
    busy.fill(static_cast<std::size_t>(state.range(0)), 1);
    SceneNode& root = busy.screen().sceneGraph();
    std::size_t pairCount = 0;
    for (auto _ : state)
    {
        Pairs collisionPairs;
        search(root, collisionPairs);
        pairCount = collisionPairs.size();
        benchmark::DoNotOptimize(collisionPairs);
    }
    state.counters["nodes"] = static_cast<double>(NodeInternals::countNodes(root));
    state.counters["pairs"] = static_cast<double>(pairCount);
}

void SweepSearch(benchmark::State& state)
{
    searchOneFrame(state,
                   [](SceneNode& root, Pairs& pairs) { root.collectCollisionPairs(root, pairs); });
}

void AllPairsWalk(benchmark::State& state)
{
    searchOneFrame(state, [](SceneNode& root, Pairs& pairs)
                   { AllPairsSearch::collectCollisionPairs(root, root, pairs); });
}

void nodeCounts(benchmark::internal::Benchmark* benchmark)
{
    for (int nodes : {25, 50, 100, 200, 300, 400, 500})
        benchmark->Arg(nodes);
    benchmark->Unit(benchmark::kMicrosecond);
}
} // namespace

BENCHMARK(SweepSearch)->Apply(nodeCounts);
BENCHMARK(AllPairsWalk)->Apply(nodeCounts);
