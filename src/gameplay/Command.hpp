#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Keyboard.hpp>

// Drains the window's events during play, keeping only what the game needs:
// a close request and the last arrow key that went down or up. Also holds the
// flag that keeps the application cycling through its screens.
class Command
{
public:
    explicit Command(sf::RenderWindow& window);

    void pollEvents();
    void recordKey(sf::Keyboard::Key key, bool pressed);

    sf::Keyboard::Key getKey() const;
    bool isPressed() const;

    void quit();
    static bool isRunning();

private:
    sf::RenderWindow* mWindow; // the window outlives every Command bound to it
    sf::Keyboard::Key mKey = sf::Keyboard::Unknown;
    bool mPressed = false;

    static bool sRunning;
};
