// Plays menu -> play -> game-over cycles one after another in one process and
// reports the resident memory after each, for the soak test and the benchmarks.
//
//   vantorix_soak [--cycles N] [--allowed-growth-kib K]
//
// (With fewer than thirty cycles there is no settled reading to compare: the
// cycles are only played, as for a run under valgrind.)
//
// Prints one line per cycle, "cycle <n> resident_kib <kib> play_s <s> most_nodes <n>",
// then "resident_kib warm <kib> last <kib> growth <kib>": the growth is the
// lowest reading of the last ten cycles less the lowest of cycles 11 to 20,
// when caches, drivers and the allocator have settled. The lowest, because a
// reading may catch memory the software renderer has yet to give back (the
// 3 MB store of a deleted texture, say) and so jump a few megabytes in any
// cycle, while a leak raises every reading, the lowest too. Exits 1 if a cycle
// did not complete or the growth is over the allowance.

#include "support/ResidentMemory.hpp"
#include "support/ScreenCycle.hpp"

#include "platform/HeapSettings.hpp"

#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr int SettledFrom = 11;
constexpr int SettledTo = 20;
constexpr int LastCycles = 10;

int optionValue(int argc, char** argv, const std::string& name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == name)
            return std::atoi(argv[i + 1]);
    return fallback;
}
} // namespace

int main(int argc, char** argv)
{
    const int cycles = std::max(optionValue(argc, argv, "--cycles", 50), 1);
    const long allowedGrowth = optionValue(argc, argv, "--allowed-growth-kib", 4096);
    // As the game does at start-up: without it the heap fragments in ways the
    // game's never does, and the readings measure that instead.
    HeapSettings::keepLargeBuffersOutOfTheHeap();

    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix soak");
    ScopedWorkingDirectory inMedia(TestFolders::withMedia());
    // The game's loading lines would drown the report.
    std::ostringstream gameConsole;
    struct ConsoleSilenced
    {
        std::streambuf* previous;
        ~ConsoleSilenced() { std::cout.rdbuf(previous); }
    } silenced{std::cout.rdbuf(gameConsole.rdbuf())};

    ScreenCycle::Limits limits;
    limits.step = sf::seconds(0.25f);
    // The ship fires all game long, so missiles, kills, explosions and
    // power-ups come and go in every cycle.
    const ScreenCycle::PlayHook fireAllGame = [&window](Game&, sf::Time played)
    {
        if (played.asSeconds() < 0.3f)
            XWindowEvents::sendKey(window, sf::Keyboard::Up, true);
    };

    std::vector<long> resident;
    for (int cycle = 1; cycle <= cycles; ++cycle)
    {
        const ScreenCycle::Outcome outcome = ScreenCycle::run(window, limits, fireAllGame);
        gameConsole.str("");
        resident.push_back(ResidentMemory::currentKiB());
        std::printf("cycle %d resident_kib %ld play_s %.1f most_nodes %zu\n", cycle,
                    resident.back(), outcome.playTime.asSeconds(), outcome.mostNodes);
        std::fflush(stdout);
        if (!outcome.menuEndedOnPlay || !outcome.playEndedByItself || !outcome.loseScreenEnded)
        {
            std::printf("cycle %d did not complete (menu %d, play ended %d, game over %d)\n", cycle,
                        outcome.menuEndedOnPlay, outcome.playEndedByItself,
                        outcome.loseScreenEnded);
            return 1;
        }
    }

    if (cycles < SettledTo + LastCycles)
        return 0;
    const long warm =
        *std::min_element(resident.begin() + (SettledFrom - 1), resident.begin() + SettledTo);
    const long last = *std::min_element(resident.end() - LastCycles, resident.end());
    std::printf("resident_kib warm %ld last %ld growth %ld\n", warm, last, last - warm);
    if (last - warm > allowedGrowth)
    {
        std::printf("resident memory grew by %ld KiB after warm-up (allowed %ld KiB)\n",
                    last - warm, allowedGrowth);
        return 1;
    }
    return 0;
}
