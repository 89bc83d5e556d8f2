#pragma once

#include <optional>

// What the player asked for on the command line. An option left out stays
// empty, so that the remembered settings or the defaults decide instead.
struct Options
{
    enum class Action
    {
        Play,
        ShowHelp,
        ShowVersion,
        CheckMedia,
    };

    Action action = Action::Play;
    std::optional<bool> fullscreen;
    std::optional<bool> muted;
    std::optional<int> volume;          // master volume, 0 to 100
    std::optional<unsigned int> maxFps; // frame cap for play; none means uncapped
};
