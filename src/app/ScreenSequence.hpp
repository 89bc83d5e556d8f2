#pragma once

#include "app/Options.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

namespace ScreenSequence
{
// One pass through menu -> play -> game over, each screen made afresh. The
// three are released when the pass ends, the lose screen first.
void runCycle(sf::RenderWindow& window, const Options& options);
} // namespace ScreenSequence
