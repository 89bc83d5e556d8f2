#pragma once

#include <SFML/Audio/Sound.hpp>

// How loud the sound effects play (every sound but the menu's song), of 100
// under the master volume. Like the listener's own volume it is one for the
// whole process, and every effect is started through here.
namespace Effects
{
void setVolume(int volume);
int volume();

// Starts the sound from its beginning at the effects' volume.
void play(sf::Sound& sound);
} // namespace Effects
