#include "config/Preferences.hpp"

#include <iostream>
#include <utility>

Preferences::Preferences(Options options, Settings* settings)
    : mOptions(std::move(options)), mSettings(settings)
{
}

Settings::Values Preferences::kept() const
{
    return mSettings ? mSettings->values() : Settings::Values();
}

bool Preferences::startsFullscreen() const
{
    return mOptions.fullscreen.value_or(kept().fullscreen);
}

bool Preferences::startsMuted() const
{
    return mOptions.muted.value_or(kept().muted);
}

int Preferences::startingVolume() const
{
    return mOptions.volume.value_or(kept().volume);
}

void Preferences::rememberMuting(bool muted)
{
    Settings::Values values = kept();
    values.muted = muted;
    remember(values);
}

void Preferences::rememberVolume(bool muted, int volume)
{
    Settings::Values values = kept();
    values.muted = muted;
    values.volume = volume;
    remember(values);
}

void Preferences::rememberFullscreen(bool fullscreen)
{
    Settings::Values values = kept();
    values.fullscreen = fullscreen;
    remember(values);
}

void Preferences::remember(const Settings::Values& values)
{
    if (mSettings)
        mSettings->save(values, std::cerr);
}
