#pragma once

#include <optional>
#include <string>

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
        VerifyReplay, // the replay file is `replay`
    };

    Action action = Action::Play;
    std::optional<bool> fullscreen;
    std::optional<bool> muted;
    std::optional<int> volume;          // master volume, 0 to 100
    std::optional<unsigned int> maxFps; // frame cap for play; none means uncapped
    std::optional<std::string> replay;  // a replay to watch first, or to check
};
