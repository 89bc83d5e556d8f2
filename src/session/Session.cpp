#include "session/Session.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/MediaGate.hpp"

#include <SFML/Graphics/Image.hpp>

#include <utility>

namespace
{
// Larger than any icon a desktop shows: a file claiming more is not the icon.
constexpr unsigned int LargestIcon = 512;

// Opened here and not through a resource cache: the screens' loading lines stay
// theirs. A picture that does not open leaves the desktop's own icon.
sf::Image windowIcon()
{
    sf::Image icon;
    MediaGate::open(icon, MediaFiles::WindowIcon, {LargestIcon, LargestIcon * LargestIcon});
    return icon;
}
} // namespace

Session::Session(sf::RenderWindow& window, Desktop& desktop, Options options, Settings* settings)
    : mPreferences(std::move(options), settings), mWindowMode(window),
      mVolume(mPreferences.values().muted, mPreferences.values().volume),
      mAdjustments(mWindowMode, mVolume, mNotice, mCaptionFont, mPreferences),
      mEvents(window, desktop, mWindowMode, mAdjustments), mContext{window,       desktop,
                                                                    mEvents,      mAdjustments,
                                                                    mPreferences, mVolume,
                                                                    mNotice,      mCaptionFont,
                                                                    mBestLevel,   mRelaxedBestLevel}
{
}

void Session::openWindow()
{
    mWindowMode.setIcon(windowIcon());
    mWindowMode.open(mPreferences.values().fullscreen);
}
