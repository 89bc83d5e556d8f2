#pragma once

struct ScreenContext;

namespace ScreenSequence
{
// One pass through menu -> play -> game over, each screen made afresh. The
// three are released when the pass ends, the lose screen first. A game the
// player quit from its pause menu has no game-over screen.
void runCycle(ScreenContext& context);
} // namespace ScreenSequence
