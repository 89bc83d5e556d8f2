#include "config/Preferences.hpp"

#include <iostream>
#include <utility>

Preferences::Preferences(Options options, Settings* settings)
    : mOptions(std::move(options)), mSettings(settings),
      mChosen(settings ? settings->values() : SettingValues()), mInForce(mChosen)
{
    mInForce.fullscreen = mOptions.fullscreen.value_or(mChosen.fullscreen);
    mInForce.muted = mOptions.muted.value_or(mChosen.muted);
    mInForce.volume = mOptions.volume.value_or(mChosen.volume);
    mInForce.maxFps = mOptions.maxFps.value_or(mChosen.maxFps);
}

std::optional<unsigned int> Preferences::maxFps() const
{
    if (mInForce.maxFps == 0)
        return std::nullopt;
    return mInForce.maxFps;
}

PlayRules Preferences::nextGame(std::optional<int> normalBest) const
{
    return PlayRules::of(mInForce.mode, mInForce.practiceLevel, normalBest.value_or(1));
}

std::vector<const SettingsTable::Row*> Preferences::change(const SettingValues& values)
{
    std::vector<const SettingsTable::Row*> changed;
    for (const SettingsTable::Row& row : SettingsTable::rows())
        if (!row.same(mInForce, values))
        {
            row.copy(values, mChosen);
            changed.push_back(&row);
        }
    // The keys move as a whole: a key the player gave one action left another.
    mChosen.keys = values.keys;
    mInForce = values;
    return changed;
}

void Preferences::keep()
{
    if (mSettings)
        mSettings->save(mChosen, std::cerr);
}
