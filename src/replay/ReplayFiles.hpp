#pragma once

#include "config/KeptFile.hpp"
#include "replay/ReplayReader.hpp"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Where replays are kept and how they are read: every game's in
// $XDG_DATA_HOME/vantorix/replays/ (last.vxr, and best.vxr for the game that
// set the best level), the demos shipped with the game in Demos/ beside Media/.
namespace ReplayFiles
{
enum class Kept
{
    Last,
    Best,
};

// Far beyond hours of play: a larger file is not read.
constexpr std::size_t LargestFile = 64u << 20;

KeptFile file(Kept which);

// A replay to play, or none and a problem line naming the file.
std::optional<ReplayReader> load(const std::filesystem::path& path, std::string& problem);
std::optional<ReplayReader> load(Kept which, std::string& problem);
bool exists(Kept which);

// A finished game, written atomically as last.vxr, and as best.vxr too when
// it set the best level. What cannot be written is said on the stream.
void keep(const std::string& bytes, bool setRecord, std::ostream& problems);

// The demos, in name order.
std::vector<std::filesystem::path> demos();
} // namespace ReplayFiles
