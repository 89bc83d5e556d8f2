#include "screens/StillPicture.hpp"

#include <SFML/System/Sleep.hpp>
#include <SFML/System/Time.hpp>

bool StillPicture::needsDrawing(int picture)
{
    if (mDrawn == picture && !mDisturbed && mSkipsSinceDrawn < SkipsBetweenRefreshes)
    {
        ++mSkipsSinceDrawn;
        return false;
    }
    mDrawn = picture;
    mDisturbed = false;
    mSkipsSinceDrawn = 0;
    return true;
}

void StillPicture::disturb()
{
    mDisturbed = true;
}

void StillPicture::rest()
{
    sf::sleep(sf::milliseconds(RestMilliseconds));
}
