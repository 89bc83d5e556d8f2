#pragma once

#include "gameplay/Gamepad.hpp"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <deque>

class EventPump;

// The one door for the player's inputs. It hands a screen the window's events
// and, after them, the gamepads' as the key events the keyboard would send.
// During play it drains them once a frame, keeping only what the game needs:
// a close request, the last arrow key that went down or up (Space counts as
// Up), and whether the player wants the game paused. Also holds the flag that
// keeps the application cycling through its screens.
class Command
{
public:
    explicit Command(EventPump& events, Gamepad::Layout pad = Gamepad::Layout::Play);

    // The next event for a screen that reads its own, as EventPump::pollEvent;
    // false once the window's and the gamepads' events are all handed out.
    bool pollEvent(sf::Event& event);

    // True when there was any event at all.
    bool pollEvents();
    void recordKey(sf::Keyboard::Key key, bool pressed);

    sf::Keyboard::Key getKey() const;
    bool isPressed() const;

    // P, Pause and Escape (and a pad's Start) ask for a pause and then for the
    // game to go on; losing the keyboard focus asks for a pause.
    bool isPauseAsked() const { return mPauseAsked; }

    void quit();
    static bool isRunning();

private:
    void pauseKey(bool pressed);
    void focusLost();

    EventPump* mEvents; // the entry point's, which outlives every Command bound to it
    Gamepad mGamepad;
    std::deque<sf::Event> mPadEvents;
    bool mPadsTurn = false; // the window's events of this round are all handed out
    sf::Keyboard::Key mKey = sf::Keyboard::Unknown;
    bool mPressed = false;
    bool mPauseAsked = false;
    bool mPauseKeyDown = false; // a held key repeats its press; only the first one counts

    static bool sRunning;
};
