#include "presentation/HoverSound.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/MediaGate.hpp"

sf::Sound& HoverSound::get()
{
    if (!mOpened && MediaGate::open(mBuffer, MediaFiles::Hover))
        mSound.setBuffer(mBuffer);
    mOpened = true;
    return mSound;
}
