#pragma once

#include "platform/PadLayouts.hpp"
#include "session/Decoded.hpp"

#include <deque>
#include <functional>
#include <vector>

class KeyBindings;

// The gamepads, read into the controls they stand for: each reading turns
// what changed on any pad since the last one into presses and releases.
// Pads may come and go at any moment: a control on a pad that went away
// counts as let go.
//
// The stick or D-pad moves in the menus and steers in play; A accepts and B
// goes back in the menus; the face buttons fire (or the player's own fire
// buttons) and Start pauses (or the player's own). Back (Select, Share,
// Minus) held with another control makes the chords every screen answers:
// with A mute, with B fullscreen, with the stick or D-pad down or up the
// volume. While Back is held, a pad's other controls do nothing else.
class Gamepad
{
public:
    // Appends what changed since the last reading. What is held at the first
    // reading after begin() was pressed before the screen began: it counts
    // once it has been let go and pressed again. The player's own buttons are
    // read from the bindings at every reading.
    void read(std::deque<Decoded>& decoded, const KeyBindings& keys);

    // A new screen, or the Keys page starting or ending its wait for a key:
    // while it waits, every button is a candidate, and Back takes the
    // question back.
    void begin(bool capturing = false);

    // How far a stick or D-pad must lean, of 100, to count as a direction: a
    // stick at rest never quite is.
    static constexpr float DeadZone = 50.f;

private:
    struct Control
    {
        Decoded meaning;
        std::function<bool(unsigned int pad, const PadButtons& buttons, const KeyBindings& keys)>
            isHeldOn;
    };

    std::vector<Control> mControls;
    std::vector<bool> mHeld;
    bool mFirstReading = true;
};
