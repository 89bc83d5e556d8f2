#pragma once

#include <SFML/Graphics/RenderWindow.hpp>

namespace TestWindow
{
// An 800 x 800 window like the game's, opened once per test process. Tests that
// close or resize a window make their own instead.
sf::RenderWindow& shared();
} // namespace TestWindow
