#pragma once

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/VideoMode.hpp>

// Whether the game shows in a window or fills the screen, and the window's size
// to go back to. In either mode the window shows the whole field, letterboxed.
class WindowMode
{
public:
    explicit WindowMode(sf::RenderWindow& window);

    // The picture the desktop shows for the window (task bar, window switcher), given
    // again to every window made from here on; an empty one leaves the desktop's own.
    void setIcon(const sf::Image& icon);

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
    void create(bool fullscreen, sf::VideoMode desktop);
    void applyIcon();

    sf::RenderWindow& mWindow;
    bool mFullscreen = false;
    sf::Vector2u mWindowedSize;
    sf::Image mIcon;
};
