#include "session/Session.hpp"

#include <utility>

Session::Session(sf::RenderWindow& window, Desktop& desktop, Options options, Settings* settings)
    : mPreferences(std::move(options), settings), mWindowMode(window),
      mVolume(mPreferences.startsMuted(), mPreferences.startingVolume()),
      mAdjustments(mWindowMode, mVolume, mNotice, mCaptionFont, mPreferences), mKeys(mAdjustments),
      mEvents(window, desktop, mWindowMode, mKeys, mAdjustments),
      mContext{window,  desktop, mEvents,      mAdjustments, mPreferences,
               mVolume, mNotice, mCaptionFont, mBestLevel}
{
}

void Session::openWindow()
{
    mWindowMode.open(mPreferences.startsFullscreen());
}
