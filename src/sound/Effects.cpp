#include "sound/Effects.hpp"

#include <algorithm>
#include <atomic>

namespace
{
std::atomic<int> gVolume{100};
}

void Effects::setVolume(int volume)
{
    gVolume = std::clamp(volume, 0, 100);
}

int Effects::volume()
{
    return gVolume;
}

void Effects::play(sf::Sound& sound)
{
    sound.setVolume(static_cast<float>(gVolume));
    sound.play();
}
