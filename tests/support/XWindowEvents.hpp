#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>

// Sends real X events to a test window, through a connection of the test's
// own, the way a user or a window manager would.
namespace XWindowEvents
{
void requestClose(const sf::Window& window);
void sendKey(const sf::Window& window, sf::Keyboard::Key key, bool pressed);
void resize(const sf::Window& window, unsigned int width, unsigned int height);
} // namespace XWindowEvents
