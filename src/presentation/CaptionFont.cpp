#include "presentation/CaptionFont.hpp"

#include "resources/MediaCheck.hpp"
#include "resources/MediaFiles.hpp"

const sf::Font& CaptionFont::get()
{
    if (!mOpened && MediaCheck::isCompleteFont(MediaFiles::DigitalTech))
        mFont.loadFromFile(MediaFiles::DigitalTech);
    mOpened = true;
    return mFont;
}
