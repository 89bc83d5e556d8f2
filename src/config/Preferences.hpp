#pragma once

#include "config/Options.hpp"
#include "config/Settings.hpp"
#include "config/SettingsTable.hpp"

#include <optional>
#include <vector>

// What holds this run, and what is remembered: a command-line option wins for
// this run, then what the player last chose, then the defaults. What the
// player changes in the game holds at once and is remembered at the next
// keep(); what an option set for this run alone stays as it was remembered
// until the player changes it.
class Preferences
{
public:
    // Without settings nothing is remembered between runs.
    explicit Preferences(Options options = Options(), Settings* settings = nullptr);

    const Options& options() const { return mOptions; }
    // What holds now.
    const SettingValues& values() const { return mInForce; }

    int music() const { return mInForce.music; }
    int effects() const { return mInForce.effects; }
    // None: play runs uncapped.
    std::optional<unsigned int> maxFps() const;
    const KeyBindings& keys() const { return mInForce.keys; }
    // How the next game is played; the best level reached in Normal bounds where practice starts.
    PlayRules nextGame(std::optional<int> normalBest) const;

    // The player's change; the rows that it changed, in the table's order.
    std::vector<const SettingsTable::Row*> change(const SettingValues& values);
    // Writes what the player changed since the last time, if anything.
    void keep();

private:
    Options mOptions;
    Settings* mSettings; // the entry point's, which outlive the preferences; may be none
    SettingValues mChosen;
    SettingValues mInForce;
};
