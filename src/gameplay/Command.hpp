#pragma once

#include <SFML/Window/Keyboard.hpp>

class Session;

// Drains the window's events during play, keeping only what the game needs:
// a close request and the last arrow key that went down or up. Also holds the
// flag that keeps the application cycling through its screens.
class Command
{
public:
    explicit Command(Session& session);

    void pollEvents();
    void recordKey(sf::Keyboard::Key key, bool pressed);

    sf::Keyboard::Key getKey() const;
    bool isPressed() const;

    void quit();
    static bool isRunning();

private:
    Session* mSession; // the session outlives every Command bound to it
    sf::Keyboard::Key mKey = sf::Keyboard::Unknown;
    bool mPressed = false;

    static bool sRunning;
};
