#pragma once

#include <SFML/System/Vector2.hpp>

#include <functional>

// This executable defines sf::Mouse::getPosition(const sf::Window&) over a
// position the test sets, the way FakeClock stands in for sf::Clock.
namespace FakePointer
{
// The pointer's position relative to any window asked about.
void moveTo(sf::Vector2i position);

// Runs before every reading of the pointer, so a test can look at a screen
// from inside its own loop. An empty function removes the hook.
void onRead(std::function<void()> hook);
} // namespace FakePointer
