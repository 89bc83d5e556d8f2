#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/VideoMode.hpp>

// Whether the game shows in a window or fills the screen, and the window's size
// to go back to. In either mode the window shows the whole field, letterboxed.
class WindowMode
{
public:
    explicit WindowMode(sf::RenderWindow& window);

    // Opens the window, fullscreen at the desktop's resolution or at the size
    // of a first window.
    void open(bool fullscreen);
    // Makes the same window object again in the other mode, so every pointer
    // to it stays valid; textures live on in SFML's shared context.
    void toggleFullscreen();
    bool isFullscreen() const { return mFullscreen; }

    // Letterboxes the field into the window's current size.
    void fitView();

    // The field's own size where the desktop has room for it beside a title bar
    // and a panel; otherwise the largest window of the field's shape that fits.
    static sf::Vector2u firstWindowSize(sf::VideoMode desktop);

private:
    void create(bool fullscreen);

    sf::RenderWindow& mWindow;
    bool mFullscreen = false;
    sf::Vector2u mWindowedSize;
};
