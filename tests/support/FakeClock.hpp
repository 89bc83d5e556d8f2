#pragma once

#include <SFML/System/Time.hpp>

// The test executables define sf::Clock's members over this time, so a test
// decides how much time passes and never sleeps through a game timer.
namespace FakeClock
{
void advance(sf::Time step);
void advanceSeconds(float seconds);
sf::Time now();
} // namespace FakeClock
