#include "platform/StillPicture.hpp"

#include <SFML/System/Time.hpp>

bool StillPicture::needsDrawing(Picture picture, const sf::Window& window)
{
    if (window.getSize() != mWindowSize || window.getSystemHandle() != mWindowHandle)
    {
        mWindowSize = window.getSize();
        mWindowHandle = window.getSystemHandle();
        disturb();
    }
    if (mDrawn == picture && mDrawsOwed == 0 && mSkipsSinceDrawn < SkipsBetweenRefreshes)
    {
        ++mSkipsSinceDrawn;
        return false;
    }
    mDrawn = picture;
    mDrawsOwed = mDrawsOwed > 0 ? mDrawsOwed - 1 : 0;
    mSkipsSinceDrawn = 0;
    return true;
}

void StillPicture::disturb()
{
    mDrawsOwed = DrawsAfterDisturbance;
}
