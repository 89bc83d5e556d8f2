#include "session/Session.hpp"

#include <utility>

Session::Session(sf::RenderWindow& window, Desktop& desktop, Options options, Settings* settings)
    : mPreferences(std::move(options), settings), mWindowMode(window),
      mVolume(mPreferences.startsMuted(), mPreferences.startingVolume()),
      mKeys(mWindowMode, mVolume, mNotice, mCaptionFont, mPreferences),
      mEvents(window, desktop, mWindowMode, mKeys), mContext{window,       desktop,   mEvents,
                                                             mPreferences, mVolume,   mNotice,
                                                             mCaptionFont, mBestLevel}
{
}

void Session::openWindow()
{
    mWindowMode.open(mPreferences.startsFullscreen());
}
