#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>

// Sends real X events to a test window, through a connection of the test's
// own, the way a user or a window manager would.
namespace XWindowEvents
{
void requestClose(const sf::Window& window);
void sendKey(const sf::Window& window, sf::Keyboard::Key key, bool pressed, bool alt = false);
// A mouse button event carrying the given window position (SFML reads the
// position from the event; the pointer itself does not move).
void sendButton(const sf::Window& window, sf::Mouse::Button button, bool pressed, sf::Vector2i at);
void resize(const sf::Window& window, unsigned int width, unsigned int height);
// What the window gets when the keyboard focus moves to another window (the
// focus itself stays: see FakeFocus).
void sendFocusOut(const sf::Window& window);
} // namespace XWindowEvents
