#include "config/CommandLine.hpp"

#include "config/SettingsTable.hpp"
#include "config/ShownText.hpp"

#include <algorithm>
#include <cstdlib>

namespace
{
constexpr int MaxVolume = 100;
constexpr long MaxFrameCap = 1000;

// A whole decimal number within [low, high]; no sign, no spaces, no trailing text.
std::optional<long> wholeNumber(const std::string& text, long low, long high)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// Splits "--name=value" into its two halves; a bare "--name" has no value yet.
struct Argument
{
    std::string name;
    std::optional<std::string> value;
};

Argument split(const std::string& argument)
{
    const std::size_t equals = argument.find('=');
    if (argument.rfind("--", 0) != 0 || equals == std::string::npos)
        return {argument, std::nullopt};
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}
// The settings' names, as the file spells them, wrapped as the usage is.
std::string settingNames()
{
    std::string names;
    std::string line = " ";
    for (const SettingsTable::Row& row : SettingsTable::rows())
    {
        const std::string item = " " + row.key + (&row == &SettingsTable::rows().back() ? "" : ",");
        if (line.size() + item.size() > 78)
        {
            names += line + '\n';
            line = " ";
        }
        line += item;
    }
    return names + line + '\n';
}
} // namespace

CommandLine::Result CommandLine::parse(const std::vector<std::string>& arguments)
{
    Result result;
    Options& options = result.options;
    // --help outranks --version, which outranks --check-media, which outranks
    // --verify-replay, in whatever order they come.
    auto ask = [&options](Options::Action action)
    {
        if (options.action == Options::Action::Play || action < options.action)
            options.action = action;
    };

    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const Argument argument = split(arguments[i]);
        const std::string& name = argument.name;

        // Options that take a number accept "--name N" and "--name=N".
        auto takeNumber = [&](long low, long high, const char* what) -> std::optional<long>
        {
            std::optional<std::string> value = argument.value;
            if (!value && i + 1 < arguments.size())
                value = arguments[++i];
            if (!value)
            {
                result.error = name + " needs " + what;
                return std::nullopt;
            }
            const std::optional<long> number = wholeNumber(*value, low, high);
            if (!number)
                result.error = name + " takes " + what + ", not " + ShownText::quoted(*value);
            return number;
        };

        // Options that take a file accept "--name FILE" and "--name=FILE".
        auto takeFile = [&]() -> std::optional<std::string>
        {
            std::optional<std::string> value = argument.value;
            if (!value && i + 1 < arguments.size())
                value = arguments[++i];
            if (!value || value->empty())
                result.error = name + " needs a replay file";
            return value && !value->empty() ? value : std::nullopt;
        };

        if (argument.value && name != "--volume" && name != "--max-fps" && name != "--replay" &&
            name != "--verify-replay")
            result.error = ShownText::quoted(name) + " takes no value";
        else if (name == "--help" || name == "-h")
            ask(Options::Action::ShowHelp);
        else if (name == "--version")
            ask(Options::Action::ShowVersion);
        else if (name == "--check-media")
            ask(Options::Action::CheckMedia);
        else if (name == "--fullscreen")
            options.fullscreen = true;
        else if (name == "--windowed")
            options.fullscreen = false;
        else if (name == "--mute")
            options.muted = true;
        else if (name == "--replay" || name == "--verify-replay")
        {
            options.replay = takeFile();
            if (name == "--verify-replay")
                ask(Options::Action::VerifyReplay);
        }
        else if (name == "--volume")
        {
            if (const auto volume = takeNumber(0, MaxVolume, "a whole number from 0 to 100"))
                options.volume = static_cast<int>(*volume);
        }
        else if (name == "--max-fps")
        {
            if (const auto cap = takeNumber(1, MaxFrameCap, "a whole number from 1 to 1000"))
                options.maxFps = static_cast<unsigned int>(*cap);
        }
        else
            result.error = "unknown option " + ShownText::quoted(arguments[i]);

        if (!result.isValid())
            return result;
    }
    return result;
}

CommandLine::Result CommandLine::parse(int argc, const char* const argv[])
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return parse(arguments);
}

std::string CommandLine::usage()
{
    return "Usage: vantorix [OPTION]...\n"
           "Vantorix, an arcade space shooter: shoot down waves of enemy ships and their boss.\n"
           "\n"
           "Options:\n"
           "  --fullscreen     start in fullscreen\n"
           "  --windowed       start in a window\n"
           "  --mute           start with the sound off\n"
           "  --volume N       master volume, 0 to 100\n"
           "  --max-fps N      cap play at N frames per second (default: no cap)\n"
           "  --replay FILE    watch a recorded game first (Escape leaves it)\n"
           "  --check-media    load every media file, report each and exit\n"
           "  --verify-replay FILE\n"
           "                   play a recorded game again without drawing it, say whether\n"
           "                   every check matches (exit status 0) or which frame differs (1)\n"
           "  --help           show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "Keys (the play keys as they come; choose your own in the options):\n"
           "  Menu             mouse, or Up/Down (W/S) and Enter or Space; O opens the\n"
           "                   options; Escape quits\n"
           "  Options          Up/Down (W/S), Left/Right (A/D) change a value, Enter,\n"
           "                   Escape goes back\n"
           "  Play             Left/Right move, Up or Space fires; P, Pause or Escape pauses\n"
           "                   and opens the pause menu (Resume, Options, Quit to title)\n"
           "  Game over        after a second, Enter, Space or a fire key plays again at\n"
           "                   once; Escape goes to the title menu\n"
           "  Anywhere         M mutes, - and + turn the volume down and up,\n"
           "                   F11 or Alt+Enter toggles fullscreen\n"
           "  Gamepad          stick or D-pad moves, face buttons fire, Start pauses;\n"
           "                   in the menus, stick or D-pad, A and B; anywhere, hold Back:\n"
           "                   A mutes, down and up turn the volume, B toggles fullscreen\n"
           "\n"
           "Settings are kept in $XDG_CONFIG_HOME/vantorix/settings.ini:\n" +
           settingNames() +
           "The best level is kept in $XDG_DATA_HOME/vantorix/best-level,\n"
           "every game's replay in $XDG_DATA_HOME/vantorix/replays/.\n";
}

std::string CommandLine::version()
{
    return std::string("Vantorix ") + VANTORIX_VERSION;
}
