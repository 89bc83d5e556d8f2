// Arbitrary bytes as the best-level record, in a scratch home: whatever the
// parser accepts is a level a player can reach and reads back the same from
// the record the game would write for it; and through the file, a game over
// keeps the higher of the record and the level reached, the next run reads
// that with nothing to say, a lower level never lowers it, and no temporary
// file is left.
#include "config/BestLevel.hpp"

#include "ScratchHome.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ScratchHome::make();
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
    std::filesystem::create_directories(file.path().parent_path());
    std::ofstream(file.path(), std::ios::binary | std::ios::trunc) << text;
    std::ostringstream problems;
    BestLevel game;
    game.load(problems);
    // The record file holds 64 bytes at most.
    if (game.best() != (size <= 64 ? level : std::nullopt))
        std::abort();

    const int reached = 1 + (size > 0 ? data[size - 1] % 20 : 0);
    const int expected = std::max(game.best().value_or(reached), reached);
    if (game.record(reached, problems).best != expected)
        std::abort();
    std::ostringstream nextProblems;
    BestLevel next;
    next.load(nextProblems);
    if (next.best() != expected || !nextProblems.str().empty() ||
        next.record(1, nextProblems).best != expected)
        std::abort();
    BestLevel last;
    last.load(nextProblems);
    if (last.best() != expected || !ScratchHome::strayFiles(file.path()).empty())
        std::abort();
    return 0;
}
