#pragma once

#include "support/TestSession.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

namespace TestWindow
{
// An 800 x 800 window like the game's, opened once per test process. Tests that
// close or resize a window make their own instead.
sf::RenderWindow& shared();

// The session around the shared window that the screens are handed, as the
// game makes one around its own window. A test with a window of its own makes
// its own: TestSession session(window).
TestSession& sharedSession();
} // namespace TestWindow
