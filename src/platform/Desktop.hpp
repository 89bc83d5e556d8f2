#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Window.hpp>

// What the screens ask of the window system beside the window's events: where
// the pointer is, whether the window has the keyboard, and the hand-over of a
// finished frame. The game's own asks SFML; tests hand in one they steer, so
// that no test program has to replace a library function.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // The pointer in the window's own pixels.
    virtual sf::Vector2i pointer(const sf::Window& window) const;
    virtual bool hasFocus(const sf::Window& window) const;
    // Shows the frame drawn since the last one.
    virtual void display(sf::Window& window);
    // A still screen's pause before it looks again (StillPicture).
    virtual void rest();
};
