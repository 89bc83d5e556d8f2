#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <deque>

class Adjustments;
class Desktop;
class GlobalKeys;
class WindowMode;

// The window's events, for whichever screen reads them. Every event passes the
// keys that every screen answers alike first, and a resize keeps the field
// letterboxed; the screen gets the rest in order.
class EventPump
{
public:
    // All of them outlive the pump.
    EventPump(sf::RenderWindow& window, Desktop& desktop, WindowMode& windowMode, GlobalKeys& keys,
              Adjustments& adjustments);

    sf::RenderWindow& window() { return mWindow; }
    bool hasFocus() const;

    // The next event for a screen to act on; false once the queue is dry, and
    // at once for a closed window. A switch of the window's mode asked for in
    // this round happens when the round ends.
    bool pollEvent(sf::Event& event);

    // For a screen that acts on no events: does the same now, and keeps every
    // other event, in order, for the next screen that polls.
    void holdEvents();

private:
    // True when the event was for the pump alone.
    bool handle(const sf::Event& event);
    void endRound();

    sf::RenderWindow& mWindow;
    Desktop& mDesktop;
    WindowMode& mWindowMode;
    GlobalKeys& mKeys;
    Adjustments& mAdjustments;
    std::deque<sf::Event> mHeld;
};
