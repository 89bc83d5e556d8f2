#pragma once

#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "platform/WindowMode.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "session/Adjustments.hpp"
#include "session/EventPump.hpp"
#include "session/ScreenContext.hpp"
#include "sound/MasterVolume.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/NonCopyable.hpp>

class Desktop;
class Settings;

// Makes and keeps what lasts from the first screen to the last, and hands the
// screens their context. The entry point makes one right after the window;
// the window, the desktop and the settings outlive it.
class Session : private sf::NonCopyable
{
public:
    // The remembered settings start the sound and the window where the player
    // left them, unless an option says otherwise for this run. Without them
    // nothing is remembered.
    Session(sf::RenderWindow& window, Desktop& desktop, Options options = Options(),
            Settings* settings = nullptr);

    // Opens the window in the mode the player chose.
    void openWindow();

    ScreenContext& context() { return mContext; }
    const ScreenContext& context() const { return mContext; }
    const WindowMode& windowMode() const { return mWindowMode; }

private:
    Preferences mPreferences;
    WindowMode mWindowMode;
    MasterVolume mVolume;
    VolumeNotice mNotice;
    CaptionFont mCaptionFont;
    BestLevel mBestLevel;
    BestLevel mRelaxedBestLevel{KeptFile(KeptFile::Place::Data, "best-level-relaxed")};
    Adjustments mAdjustments;
    EventPump mEvents;
    ScreenContext mContext;
};
