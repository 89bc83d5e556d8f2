#include "presentation/HoverSound.hpp"

#include "resources/MediaCheck.hpp"
#include "resources/MediaFiles.hpp"

sf::Sound& HoverSound::get()
{
    if (!mOpened && MediaCheck::isSoundWithin(MediaFiles::Hover) &&
        mBuffer.loadFromFile(MediaFiles::Hover))
        mSound.setBuffer(mBuffer);
    mOpened = true;
    return mSound;
}
