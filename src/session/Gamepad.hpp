#pragma once

#include "platform/PadLayouts.hpp"

class KeyBindings;

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <deque>
#include <functional>
#include <vector>

// The gamepads, read as keys: each reading turns what changed on any pad since
// the last one into the presses and releases of the keys that stand for it on
// the screen, so that nothing past the event pump knows a pad spoke. Pads may
// come and go at any moment: a control on a pad that went away counts as let go.
//
// Back (Select, Share, Minus) held with another control stands for the keys
// every screen answers: with A for M (mute), with B for F11 (fullscreen), with
// the stick or D-pad down or up for - and + (volume). While Back is held, a
// pad's other controls do nothing else.
class Gamepad
{
public:
    enum class Layout
    {
        Play, // stick or D-pad left and right: Left, Right; the fire buttons: Up; Start: P
        Menu, // stick or D-pad: the arrow keys; A: Enter; B: Escape
    };

    // The player's own buttons for fire and pause, if any, are read from the
    // bindings at every reading; they outlive the pad.
    explicit Gamepad(Layout layout, const KeyBindings* keys = nullptr);

    // Appends the key events for what changed since the last reading. What is
    // held at the first reading was pressed before the screen began: it counts
    // once it has been let go and pressed again.
    void read(std::deque<sf::Event>& events);

    // How far a stick or D-pad must lean, of 100, to count as a direction: a
    // stick at rest never quite is.
    static constexpr float DeadZone = 50.f;

private:
    struct Control
    {
        sf::Keyboard::Key key;
        std::function<bool(unsigned int pad, const PadButtons& buttons)> isHeldOn;
    };

    std::vector<Control> mControls;
    std::vector<bool> mHeld;
    bool mFirstReading = true;
};
