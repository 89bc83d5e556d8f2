#include "sound/AudioDevice.hpp"

#include <SFML/Audio/SoundBuffer.hpp>

#include <AL/alc.h>

bool AudioDevice::isOpen()
{
    // SFML opens its device with the first audio object and makes its context
    // current; a buffer is the cheapest object that makes sure that happened.
    const sf::SoundBuffer probe;
    return alcGetCurrentContext() != nullptr;
}
