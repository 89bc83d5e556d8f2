#pragma once

#include <SFML/Audio/Sound.hpp>

namespace SoundPause
{
// Pauses a sound that is playing, or resumes one that was paused; a sound
// that had stopped stays stopped (playing it would start it over).
void setPaused(sf::Sound& sound, bool paused);
} // namespace SoundPause
