#pragma once

#include "session/Gamepad.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <deque>
#include <functional>

class Adjustments;
class Desktop;
class KeyBindings;
class GlobalKeys;
class WindowMode;

// The window's events and then the gamepads', as the keys they stand for, for
// whichever screen reads them: the one door for the player's inputs. Every
// event passes the keys that every screen answers alike first (from a pad as
// from the keyboard), and a resize keeps the field letterboxed; the screen
// gets the rest in order.
class EventPump
{
public:
    // All of them outlive the pump.
    EventPump(sf::RenderWindow& window, Desktop& desktop, WindowMode& windowMode, GlobalKeys& keys,
              Adjustments& adjustments);

    sf::RenderWindow& window() { return mWindow; }
    bool hasFocus() const;

    // What a pad's controls stand for on the screen that reads the events from
    // now on, with the player's own buttons, if any, from the bindings (which
    // outlive the pump). Whatever is held then counts once it has been let go.
    void setPadLayout(Gamepad::Layout layout, const KeyBindings* keys = nullptr);

    // Whether the last key event handed out came from a pad.
    bool isFromPad() const { return mFromPad; }

    // The next event for a screen to act on; false once the queue is dry, and
    // at once for a closed window. A switch of the window's mode asked for in
    // this round happens when the round ends.
    bool pollEvent(sf::Event& event);

    // For a screen that acts on no events: does the same now, and keeps every
    // other window event, in order, for the next screen that polls. A pad's
    // keys count for this moment only.
    // Or, with a screen that takes a few events: those it takes go to it and
    // the rest are kept. True when it took any.
    bool holdEvents(const std::function<bool(const sf::Event&)>& takes = {});

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
    Gamepad mGamepad{Gamepad::Layout::Menu};
    std::deque<sf::Event> mPadEvents;
    bool mPadsTurn = false; // the window's events of this round are all handed out
    bool mFromPad = false;
};
