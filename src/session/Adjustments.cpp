#include "session/Adjustments.hpp"

#include "config/Preferences.hpp"
#include "platform/WindowMode.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "sound/Effects.hpp"
#include "sound/MasterVolume.hpp"

Adjustments::Adjustments(WindowMode& windowMode, MasterVolume& volume, VolumeNotice& notice,
                         CaptionFont& font, Preferences& preferences)
    : mWindowMode(windowMode), mVolume(volume), mNotice(notice), mFont(font),
      mPreferences(preferences)
{
    Effects::setVolume(preferences.effects());
}

void Adjustments::toggleMute()
{
    mVolume.toggleMute();
    mPreferences.rememberMuting(mVolume.isMuted());
    mNotice.show(mVolume, mFont.get());
}

void Adjustments::louder()
{
    mVolume.louder();
    soundChanged();
}

void Adjustments::quieter()
{
    mVolume.quieter();
    soundChanged();
}

void Adjustments::soundChanged()
{
    mPreferences.rememberVolume(mVolume.isMuted(), mVolume.volume());
    mNotice.show(mVolume, mFont.get());
}

void Adjustments::setMusic(int music)
{
    mPreferences.rememberMusic(music);
}

void Adjustments::setEffects(int effects)
{
    Effects::setVolume(effects);
    mPreferences.rememberEffects(effects);
}

void Adjustments::setMaxFps(std::optional<unsigned int> maxFps)
{
    mPreferences.rememberMaxFps(maxFps);
}

void Adjustments::setKeys(const KeyBindings& keys)
{
    mPreferences.rememberKeys(keys);
}

void Adjustments::switchIfAsked()
{
    if (mSwitchAsked)
    {
        mWindowMode.toggleFullscreen();
        mPreferences.rememberFullscreen(mWindowMode.isFullscreen());
    }
    mSwitchAsked = false;
}

bool Adjustments::isFullscreen() const
{
    return mWindowMode.isFullscreen();
}
