#pragma once

#include "session/Gamepad.hpp"
#include "session/Input.hpp"
#include "session/KeyboardDecoder.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <deque>
#include <functional>
#include <string>

class Adjustments;
class Desktop;
class KeyBindings;
class WindowMode;

// The one door for the player's inputs: the window's events and then what
// changed on the gamepads, decoded into inputs for whichever screen reads
// them. The keys every screen answers alike are acted on here and go no
// further, and a resize keeps the field letterboxed; the screen gets the rest
// in order.
class EventPump
{
public:
    // All of them outlive the pump.
    EventPump(sf::RenderWindow& window, Desktop& desktop, WindowMode& windowMode,
              Adjustments& adjustments);

    sf::RenderWindow& window() { return mWindow; }
    bool hasFocus() const;

    // A screen begins: what it reads from now on is its own. Key events the
    // screen before left unread are dropped (a close request or a click
    // waits for it), and whatever key or button is down now counts once it
    // has been let go.
    void beginScreen();

    // The next input for a screen to act on; false once the queue is dry, and
    // at once for a closed window. A switch of the window's mode asked for in
    // this round happens when the round ends, and so does keeping the
    // settings the keys changed.
    bool poll(Input& input);

    // For a screen that acts on no inputs: does the same now, and keeps every
    // input but a key's, in order, for the next screen that polls. Or, with a
    // screen that takes a few inputs: those it takes go to it. True when it
    // took any.
    bool hold(const std::function<bool(const Input&)>& takes = {});

    // While the Keys page waits for a key, every key and button reaches it,
    // the keys kept for the whole game too (it refuses them).
    void setCapturing(bool capturing);

    // The device the player used last, and the name of a play control's
    // first key or button on it, for a prompt: "P", "START".
    Device lastDevice() const { return mLastDevice; }
    std::string promptFor(PlayControl control) const;

private:
    bool nextDecoded(Decoded& decoded);
    // True when the decoded event was for the pump alone.
    bool handle(const Decoded& decoded);
    void endRound();
    void note(const Input& input);
    const KeyBindings& keys() const;

    sf::RenderWindow& mWindow;
    Desktop& mDesktop;
    WindowMode& mWindowMode;
    Adjustments& mAdjustments;
    KeyboardDecoder mKeyboard;
    Gamepad mGamepad;
    std::deque<Input> mHeld;
    std::deque<Decoded> mPadInputs;
    bool mPadsTurn = false; // the window's events of this round are all handed out
    bool mCapturing = false;
    Device mLastDevice = Device::Keyboard;
};
