#pragma once

#include <vector>

// What each screen loads, in the order it loads it, which is the order of its
// console lines: the screens load from here and the media check reads the
// same lists, so each file is listed once. The window's own list holds what
// the window shows on every screen.
namespace ScreenMedia
{
enum class Screen
{
    Play,
    Menu,
    GameOver,
    Window,
};

enum class Kind
{
    Texture,
    SoundBuffer,
    Font,
    Song, // streamed by the screen itself, not through its cache
    // Opened by what uses them, not through a cache, so without a loading line:
    // the screens' console lines stay as they are.
    QuietSound,
    QuietImage,
};

struct File
{
    Kind kind;
    int id; // of the kind's identifier enumeration
    const char* name;
};

const std::vector<File>& of(Screen screen);
} // namespace ScreenMedia
