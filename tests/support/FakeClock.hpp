#pragma once

#include <SFML/System/Time.hpp>

#include <functional>

// The test executables define sf::Clock's members over this time, so a test
// decides how much time passes and never sleeps through a game timer.
namespace FakeClock
{
void advance(sf::Time step);
void advanceSeconds(float seconds);
sf::Time now();

// Runs before every sf::Clock::getElapsedTime() made on the calling thread, so
// that a test can let time pass inside a screen's own loop (and look at the
// screen once per reading). An empty function removes the hook.
void onElapsedRead(std::function<void()> hook);
} // namespace FakeClock
