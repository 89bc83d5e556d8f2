#include "config/CommandLine.hpp"

#include <algorithm>
#include <cstdio>
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

// The length of the well-formed UTF-8 sequence at text[i] (RFC 3629: no
// overlong forms, no surrogates, nothing past U+10FFFF) and its code point;
// 0 when there is none.
std::size_t utf8Sequence(const std::string& text, std::size_t i, char32_t& point)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned lead = byte(i);
    const std::size_t length = lead < 0xC2   ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    point = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
    {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (byte(i + k) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

// Characters that move the cursor, end a line or start a terminal's control
// sequence: C0, DEL, C1 and the Unicode line and paragraph separators.
bool isControl(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point < 0xA0) || point == 0x2028 || point == 0x2029;
}

// The argument as the player typed it, in one line that a terminal shows as
// it is: control characters (a newline pasted into an option, an escape
// sequence) and bytes that are not UTF-8 are shown as escapes.
std::string quoted(const std::string& text)
{
    std::string shown = "\"";
    for (std::size_t i = 0; i < text.size();)
    {
        char32_t point = static_cast<unsigned char>(text[i]);
        const std::size_t length = point < 0x80 ? 1 : utf8Sequence(text, i, point);
        const std::size_t taken = std::max<std::size_t>(length, 1);
        if (length != 0 && !isControl(point))
            shown.append(text, i, taken);
        else
            for (std::size_t k = i; k < i + taken; ++k)
            {
                char escape[sizeof "\\xff"];
                std::snprintf(escape, sizeof escape, "\\x%02x",
                              static_cast<unsigned int>(static_cast<unsigned char>(text[k])));
                shown += escape;
            }
        i += taken;
    }
    return shown + "\"";
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
} // namespace

CommandLine::Result CommandLine::parse(const std::vector<std::string>& arguments)
{
    Result result;
    Options& options = result.options;
    // --help outranks --version, which outranks --check-media, in whatever order they come.
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
                result.error = name + " takes " + what + ", not " + quoted(*value);
            return number;
        };

        if (argument.value && name != "--volume" && name != "--max-fps")
            result.error = quoted(name) + " takes no value";
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
            result.error = "unknown option " + quoted(arguments[i]);

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
           "  --check-media    load every media file, report each and exit\n"
           "  --help           show this help and exit\n"
           "  --version        show the version and exit\n"
           "\n"
           "Keys (the play keys as they come; choose your own in the options):\n"
           "  Menu             mouse, or Up/Down (W/S) and Enter or Space; O opens the\n"
           "                   options; Escape quits\n"
           "  Options          Up/Down, Left/Right change a value, Enter, Escape goes back\n"
           "  Play             Left/Right move, Up or Space fires; P, Pause or Escape pauses\n"
           "                   and opens the pause menu (Resume, Options, Quit to title)\n"
           "  Game over        after a second, Enter, Space or a fire key: the menu at once\n"
           "  Anywhere         M mutes, - and + turn the volume down and up,\n"
           "                   F11 or Alt+Enter toggles fullscreen\n"
           "  Gamepad          stick or D-pad moves, face buttons fire, Start pauses;\n"
           "                   in the menus, stick or D-pad, A and B; anywhere, hold Back:\n"
           "                   A mutes, down and up turn the volume, B toggles fullscreen\n"
           "\n"
           "Settings are kept in $XDG_CONFIG_HOME/vantorix/settings.ini (volume, music,\n"
           "effects, muted, fullscreen, max-fps, left, right, fire, pause, pad-fire,\n"
           "pad-pause), the best level in $XDG_DATA_HOME/vantorix/best-level.\n";
}

std::string CommandLine::version()
{
    return std::string("Vantorix ") + VANTORIX_VERSION;
}
