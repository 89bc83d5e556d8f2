#pragma once

#include "replay/ReplayReader.hpp"

#include <optional>

struct ScreenContext;

namespace ScreenSequence
{
// One pass through menu -> play -> game over, each screen made afresh. The
// three are released when the pass ends, the lose screen first. A game the
// player quit from its pause menu has no game-over screen. True when the
// player chose on the game-over screen to play again: the next pass's menu
// then starts its game at once. A replay given, or chosen in the menu's
// options, is watched in the game's place; its game-over screen shows no
// record, as a replay sets none.
bool runCycle(ScreenContext& context, bool playAtOnce = false,
              std::optional<ReplayReader> watch = std::nullopt);
} // namespace ScreenSequence
