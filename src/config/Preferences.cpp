#include "config/Preferences.hpp"

#include <iostream>
#include <utility>

namespace
{
std::optional<unsigned int> capOf(unsigned int maxFps)
{
    return maxFps == 0 ? std::nullopt : std::optional<unsigned int>(maxFps);
}
} // namespace

Preferences::Preferences(Options options, Settings* settings)
    : mOptions(std::move(options)), mSettings(settings),
      mChosen(settings ? settings->values() : Settings::Values()),
      mMaxFps(mOptions.maxFps ? mOptions.maxFps : capOf(mChosen.maxFps))
{
}

bool Preferences::startsFullscreen() const
{
    return mOptions.fullscreen.value_or(mChosen.fullscreen);
}

bool Preferences::startsMuted() const
{
    return mOptions.muted.value_or(mChosen.muted);
}

int Preferences::startingVolume() const
{
    return mOptions.volume.value_or(mChosen.volume);
}

template <typename Change> void Preferences::remember(Change change)
{
    change(mChosen);
    if (mSettings)
        mSettings->save(mChosen, std::cerr);
}

void Preferences::rememberMuting(bool muted)
{
    remember([&](Settings::Values& values) { values.muted = muted; });
}

void Preferences::rememberVolume(bool muted, int volume)
{
    remember(
        [&](Settings::Values& values)
        {
            values.muted = muted;
            values.volume = volume;
        });
}

void Preferences::rememberFullscreen(bool fullscreen)
{
    remember([&](Settings::Values& values) { values.fullscreen = fullscreen; });
}

void Preferences::rememberMusic(int music)
{
    remember([&](Settings::Values& values) { values.music = music; });
}

void Preferences::rememberEffects(int effects)
{
    remember([&](Settings::Values& values) { values.effects = effects; });
}

void Preferences::rememberMaxFps(std::optional<unsigned int> maxFps)
{
    mMaxFps = maxFps;
    remember([&](Settings::Values& values) { values.maxFps = maxFps.value_or(0); });
}

void Preferences::rememberKeys(const KeyBindings& keys)
{
    remember([&](Settings::Values& values) { values.keys = keys; });
}
