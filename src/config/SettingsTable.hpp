#pragma once

#include "config/SettingValues.hpp"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Every setting the game keeps, one row each: its name in settings.ini, how
// its value is read and written there (a value that cannot be read keeps the
// default), where the options show it and how a step turns it, and what a
// change sets going. The settings file, the options pages and the --help text
// all read this table, so a new setting is one row here, a field in
// SettingValues and the code that uses it.
namespace SettingsTable
{
// Where the options show a setting.
enum class Page
{
    None,    // only in the file
    Options, // the first page
    Keys,
    Extras, // touches that the game may add to play, off unless chosen
    Mode,   // how the games to come are played: chosen between games only
    Accessibility,
    Replays, // watch the last game or the best one
};

// What a change sets going, once, when it happens.
enum class Applies
{
    WhenRead, // nothing: it is read where it is used
    Sound,    // the master volume and muting
    Music,    // the song's volume
    Effects,  // every other sound's volume
    Window,   // fullscreen or a window
    Play,     // what the play screen draws, hears and waits for
    Text,     // the size of every word on every screen
    Language, // the words of every screen
};

struct Row
{
    std::string key;   // in settings.ini
    std::string label; // English, marked for the catalogue; translated where it is shown
    Page page;
    Applies applies;
    // False when the text cannot be used; the value keeps what it had.
    std::function<bool(const std::string& text, SettingValues& values)> read;
    // Empty: the line is left out of the file (the row's default says it all).
    std::function<std::string(const SettingValues& values)> write;
    // As the options show it.
    std::function<std::string(const SettingValues& values)> show;
    // One step up (+1) or down (-1); none for a setting the options only choose.
    std::function<void(SettingValues& values, int step)> turn;
    // Choosing it in the options turns it, as a switch does.
    bool toggles = false;
    // The play action whose keys it holds, for the Keys page to ask a key for.
    std::optional<KeyBindings::Action> binds;
    std::function<void(const SettingValues& from, SettingValues& to)> copy;
    std::function<bool(const SettingValues& one, const SettingValues& other)> same;
    std::function<void(SettingValues& values)> reset;
};

const std::vector<Row>& rows();
// None for a key the game does not know.
const Row* find(const std::string& key);

// The frame caps the options offer; a cap chosen elsewhere (the file, the
// command line) is shown as it is.
const std::vector<unsigned int>& offeredFrameCaps();
constexpr unsigned int LargestMaxFps = 1000;
} // namespace SettingsTable
