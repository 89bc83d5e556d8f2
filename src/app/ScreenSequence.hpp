#pragma once

struct ScreenContext;

namespace ScreenSequence
{
// One pass through menu -> play -> game over, each screen made afresh. The
// three are released when the pass ends, the lose screen first.
void runCycle(ScreenContext& context);
} // namespace ScreenSequence
