#include "sound/SoundPause.hpp"

void SoundPause::setPaused(sf::Sound& sound, bool paused)
{
    if (paused && sound.getStatus() == sf::Sound::Playing)
        sound.pause();
    else if (!paused && sound.getStatus() == sf::Sound::Paused)
        sound.play();
}
