#pragma once

#include "config/KeyBindings.hpp"
#include "config/Options.hpp"
#include "config/Settings.hpp"

#include <optional>

// What the game starts with, and what it remembers: a command-line option wins
// for this run, then what the player last chose, then the defaults. What the
// player changes in the game holds at once and is remembered; what an option
// set for this run alone stays as it was remembered.
class Preferences
{
public:
    // Without settings nothing is remembered between runs.
    explicit Preferences(Options options = Options(), Settings* settings = nullptr);

    const Options& options() const { return mOptions; }

    bool startsFullscreen() const;
    bool startsMuted() const;
    int startingVolume() const;

    int music() const { return mChosen.music; }
    int effects() const { return mChosen.effects; }
    // None: play runs uncapped.
    std::optional<unsigned int> maxFps() const { return mMaxFps; }
    const KeyBindings& keys() const { return mChosen.keys; }

    void rememberMuting(bool muted);
    // Changing the volume unmutes, so both are remembered.
    void rememberVolume(bool muted, int volume);
    void rememberFullscreen(bool fullscreen);
    void rememberMusic(int music);
    void rememberEffects(int effects);
    void rememberMaxFps(std::optional<unsigned int> maxFps);
    void rememberKeys(const KeyBindings& keys);

private:
    template <typename Change> void remember(Change change);

    Options mOptions;
    Settings* mSettings; // the entry point's, which outlive the preferences; may be none
    Settings::Values mChosen;
    std::optional<unsigned int> mMaxFps;
};
