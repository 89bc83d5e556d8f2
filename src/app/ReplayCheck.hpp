#pragma once

#include <ostream>
#include <string>

// vantorix --verify-replay FILE: plays a replay again as fast as it can,
// without a window or a sound, and says whether every frame came out as
// recorded. The report goes to `out`, what stops the check to `problems`.
namespace ReplayCheck
{
enum Status
{
    Matches = 0,
    Differs = 1,    // the report names the first frame that differs
    Unreadable = 2, // not a replay this game can read
    NoDisplay = 3,  // the play screen's pictures, whose sizes are part of play, need one
};

Status verify(const std::string& file, std::ostream& out, std::ostream& problems);
} // namespace ReplayCheck
