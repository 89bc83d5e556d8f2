#include "session/Adjustments.hpp"

#include "config/Preferences.hpp"
#include "language/Translation.hpp"
#include "platform/WindowMode.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "sound/Effects.hpp"
#include "sound/MasterVolume.hpp"

#include <algorithm>

using Applies = SettingsTable::Applies;

Adjustments::Adjustments(WindowMode& windowMode, MasterVolume& volume, VolumeNotice& notice,
                         CaptionFont& font, Preferences& preferences)
    : mWindowMode(windowMode), mVolume(volume), mNotice(notice), mFont(font),
      mPreferences(preferences)
{
    Effects::setVolume(preferences.effects());
}

Adjustments::~Adjustments()
{
    keep();
}

void Adjustments::change(const SettingValues& values)
{
    std::vector<Applies> kinds;
    for (const SettingsTable::Row* row : mPreferences.change(values))
        if (std::find(kinds.begin(), kinds.end(), row->applies) == kinds.end())
            kinds.push_back(row->applies);
    for (Applies kind : kinds)
        apply(kind, values);
}

void Adjustments::apply(Applies kind, const SettingValues& values)
{
    switch (kind)
    {
    case Applies::Sound:
        mVolume.set(values.muted, values.volume);
        mNotice.show(mVolume, mFont.get());
        break;
    case Applies::Effects:
        Effects::setVolume(values.effects);
        break;
    case Applies::Language:
        Translation::choose(values.language);
        break;
    case Applies::WhenRead:
    case Applies::Window: // when the round of events ends
    case Applies::Music:
    case Applies::Play:
        break;
    }
    for (const Watching& watching : mWatching)
        if (watching.kind == kind)
            watching.watcher(values);
}

void Adjustments::changeByKey(const SettingValues& values)
{
    change(values);
    mKeepSoon = true;
}

void Adjustments::toggleMute()
{
    SettingValues values = mPreferences.values();
    values.muted = !values.muted;
    changeByKey(values);
}

// A new volume is meant to be heard: it unmutes.
void Adjustments::louder()
{
    SettingValues values = mPreferences.values();
    values.volume = std::min(values.volume + MasterVolume::Step, MasterVolume::Loudest);
    values.muted = false;
    changeByKey(values);
}

void Adjustments::quieter()
{
    SettingValues values = mPreferences.values();
    values.volume = std::max(values.volume - MasterVolume::Step, 0);
    values.muted = false;
    changeByKey(values);
}

void Adjustments::askFullscreenSwitch()
{
    SettingValues values = mPreferences.values();
    values.fullscreen = !values.fullscreen;
    changeByKey(values);
}

void Adjustments::switchIfAsked()
{
    if (mPreferences.values().fullscreen != mWindowMode.isFullscreen())
        mWindowMode.toggleFullscreen();
}

void Adjustments::forgetSwitch()
{
    if (mPreferences.values().fullscreen == mWindowMode.isFullscreen())
        return;
    SettingValues values = mPreferences.values();
    values.fullscreen = mWindowMode.isFullscreen();
    mPreferences.change(values);
}

bool Adjustments::isFullscreen() const
{
    return mWindowMode.isFullscreen();
}

void Adjustments::keep()
{
    mPreferences.keep();
    mKeepSoon = false;
    mSinceKept.restart();
}

void Adjustments::keepWhenDue()
{
    if (mKeepSoon && mSinceKept.getElapsedTime() >= sf::seconds(1.f))
        keep();
}

Adjustments::Watch Adjustments::watch(Applies kind, Watcher watcher)
{
    mWatching.push_back({++mLastWatch, kind, std::move(watcher)});
    return Watch(this, mLastWatch);
}

Adjustments::Watch::Watch(Watch&& other) noexcept : mAdjustments(other.mAdjustments), mId(other.mId)
{
    other.mAdjustments = nullptr;
}

Adjustments::Watch& Adjustments::Watch::operator=(Watch&& other) noexcept
{
    std::swap(mAdjustments, other.mAdjustments);
    std::swap(mId, other.mId);
    return *this;
}

Adjustments::Watch::~Watch()
{
    if (!mAdjustments)
        return;
    auto& watching = mAdjustments->mWatching;
    watching.erase(std::remove_if(watching.begin(), watching.end(),
                                  [this](const Watching& each) { return each.id == mId; }),
                   watching.end());
}
