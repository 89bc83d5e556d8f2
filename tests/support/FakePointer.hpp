#pragma once

#include <SFML/System/Vector2.hpp>

#include <functional>

// The pointer as the test desktop reports it: where the test puts it.
namespace FakePointer
{
// The pointer's position relative to any window asked about.
void moveTo(sf::Vector2i position);

// Runs before every reading of the pointer, so a test can look at a screen
// from inside its own loop. An empty function removes the hook.
void onRead(std::function<void()> hook);

// A reading, as a screen takes it.
sf::Vector2i read();
} // namespace FakePointer
