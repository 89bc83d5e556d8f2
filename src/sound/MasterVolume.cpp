#include "sound/MasterVolume.hpp"

#include <SFML/Audio/Listener.hpp>

#include <algorithm>

MasterVolume::MasterVolume(bool muted, int volume)
    : mMuted(muted), mVolume(std::clamp(volume, 0, Loudest))
{
    apply();
}

void MasterVolume::set(bool muted, int volume)
{
    mMuted = muted;
    mVolume = std::clamp(volume, 0, Loudest);
    apply();
}

void MasterVolume::apply() const
{
    sf::Listener::setGlobalVolume(mMuted ? 0.f : static_cast<float>(mVolume));
}
