#pragma once

#include "config/Options.hpp"
#include "config/Settings.hpp"

#include <optional>

// What the game starts with, and what it remembers: a command-line option wins
// for this run, then what the player last chose, then the defaults. What the
// player changes in the game is remembered; what an option set for this run
// alone stays as it was remembered.
class Preferences
{
public:
    // Without settings nothing is remembered.
    explicit Preferences(Options options = Options(), Settings* settings = nullptr);

    const Options& options() const { return mOptions; }

    bool startsFullscreen() const;
    bool startsMuted() const;
    int startingVolume() const;
    // None: play runs uncapped.
    std::optional<unsigned int> maxFps() const { return mOptions.maxFps; }

    void rememberMuting(bool muted);
    // Changing the volume unmutes, so both are remembered.
    void rememberVolume(bool muted, int volume);
    void rememberFullscreen(bool fullscreen);

private:
    Settings::Values kept() const;
    void remember(const Settings::Values& values);

    Options mOptions;
    Settings* mSettings; // the entry point's, which outlive the preferences; may be none
};
