// Arbitrary bytes as the best-level record: whatever the parser accepts is a
// level a player can reach and reads back the same from the record the game
// would write for it. Through a scratch home, a game over keeps the higher of
// the record and the level reached, which the next run reads with nothing to
// say and a lower level never lowers.
#include "config/BestLevel.hpp"

#include "ScratchHome.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    makeScratchHome();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> level = BestLevel::parse(text);
    if (level && (*level < 1 || *level > BestLevel::Largest))
        std::abort();
    if (level && BestLevel::parse(std::to_string(*level) + "\n") != level)
        std::abort();

    const KeptFile file(KeptFile::Place::Data, "best-level");
    plant(file.path(), text);
    std::ostringstream problems;
    BestLevel game;
    game.load(problems);
    if (game.best() != (size <= 64 ? level : std::nullopt)) // the file's size limit
        std::abort();
    const int reached = 1 + (size > 0 ? data[size - 1] % 20 : 0);
    const int best = std::max(game.best().value_or(reached), reached);
    if (game.record(reached, problems).best != best)
        std::abort();
    std::ostringstream nextProblems;
    BestLevel next;
    next.load(nextProblems);
    if (next.best() != best || next.record(1, nextProblems).best != best ||
        !nextProblems.str().empty() || !holdsOnlyTheFileAndItsLock(file.path()))
        std::abort();
    return 0;
}
