#pragma once

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

// The title menu's hover sound for the menus beyond it, the pause menu's too, so that
// every menu sounds alike as the player moves through it. Opened once, when first asked
// for, and like the caption font not through a resource cache: the screens' loading
// lines stay theirs. A sound that does not open leaves the menus silent.
class HoverSound
{
public:
    sf::Sound& get();

private:
    sf::SoundBuffer mBuffer;
    sf::Sound mSound;
    bool mOpened = false;
};
