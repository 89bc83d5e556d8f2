#include "resources/MediaVerdicts.hpp"

namespace
{
// Every test program judges media as the game does: through the process that
// makes the trials' children, started before main, while the program is small
// and has one thread.
const bool gJudging = (MediaVerdicts::startJudging(), true);
} // namespace
