#include "presentation/CaptionFont.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/MediaGate.hpp"

const sf::Font& CaptionFont::get()
{
    if (!mOpened)
        MediaGate::open(mFont, MediaFiles::DigitalTech);
    mOpened = true;
    return mFont;
}
