#pragma once

#include "config/KeyBindings.hpp"
#include "foundation/PlayRules.hpp"

#include <string>

// How the fire control fires: while it is held, from one press to the next,
// or all through play.
enum class FireMode
{
    Hold,
    Toggle,
    Auto,
};

// What the player chose, one field for each row of the settings table
// (SettingsTable), which holds each one's name in the file, its default, its
// range and its place in the options.
struct SettingValues
{
    // Every row's default.
    SettingValues();
    // The sound and the window, the rest as by default.
    SettingValues(bool isMuted, int level, bool isFullscreen);

    bool muted;
    int volume; // master volume, 0 to 100
    bool fullscreen;
    int music;           // the menu's song, 0 to 100 of the master volume
    int effects;         // every other sound, likewise
    unsigned int maxFps; // frame cap for play; 0 for none
    KeyBindings keys;
    bool hitSound;        // a tick on a hit that an enemy survives
    bool labelEdge;       // a dark edge round the level label
    bool lossHold;        // the field holds still a moment where the game was lost
    std::string language; // "system", or a code such as "de"
    PlayMode mode;        // of the games to come
    int practiceLevel;    // where a practice game starts, at most the best level reached in Normal
    bool reduceFlashing;  // a steady tint for a hit, the bursts and the glow at half
    bool largeText;       // every word half as large again
    bool shotShapes;      // the enemies' shots in a shape of their own
    FireMode fireMode;
    int gameSpeed;     // per cent of full speed, 50 to 100
    bool demoWhenIdle; // the title menu plays a demo after a while without input

    // Row by row.
    bool operator==(const SettingValues& other) const;
    bool operator!=(const SettingValues& other) const { return !(*this == other); }
};
