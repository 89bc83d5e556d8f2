#pragma once

#include "session/Decoded.hpp"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <bitset>

class KeyBindings;

// Decodes the window's events: keys into what they mean in the menus, in
// play (as the player bound them) and on every screen; the pointer's left
// button and wheel; closing, focus and changes of the window. It follows
// which keys are down, so that a held key's repeated presses are told from
// fresh ones, and a key down when a screen began counts once let go.
class KeyboardDecoder
{
public:
    // While the Keys page waits for a key, every key is a candidate: the
    // keys kept for the whole game too, so that the page can refuse them.
    Decoded decode(const sf::Event& event, const KeyBindings& keys, bool capturing);

    // Whatever is down now was pressed for the screen before.
    void beginScreen();

private:
    Decoded decodeKey(const sf::Event::KeyEvent& key, bool pressed, const KeyBindings& keys,
                      bool capturing);
    void forgetKeysLetGo();

    std::bitset<sf::Keyboard::KeyCount> mDown;
    std::bitset<sf::Keyboard::KeyCount> mStale; // down since before the screen began
};
