#include "config/CommandLine.hpp"

#include "config/SettingsTable.hpp"
#include "config/ShownText.hpp"
#include "language/Translation.hpp"

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

constexpr std::size_t UsageWidth = 79;
constexpr std::size_t NameWidth = 17;

struct Described
{
    const char* name;
    const char* words;
};

// Characters as a terminal counts them: UTF-8 continuation bytes take no column.
std::size_t columns(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(),
                      [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A name in the usage's first column and its words beside it, wrapped at word
// ends under each other; without a name, a paragraph. A name wider than its
// column puts the words on the next line.
std::string wrapped(const std::string& name, const std::string& words)
{
    const std::string indent = name.empty() ? "" : std::string(2 + NameWidth, ' ');
    std::string text;
    std::string line;
    if (!name.empty())
    {
        line = "  " + name;
        if (columns(line) < indent.size())
            line += std::string(indent.size() - columns(line), ' ');
        else
        {
            text += line + '\n';
            line = indent;
        }
    }
    bool lineHasWords = false;
    std::size_t start = 0;
    while (start < words.size())
    {
        std::size_t end = words.find(' ', start);
        if (end == std::string::npos)
            end = words.size();
        const std::string word = words.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        if (lineHasWords && columns(line) + 1 + columns(word) > UsageWidth)
        {
            text += line + '\n';
            line = indent;
            lineHasWords = false;
        }
        line += (lineHasWords ? " " : "") + word;
        lineHasWords = true;
    }
    return text + line + '\n';
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
    // The option names and the paths stay as written in every language; the
    // words around them are translated and wrapped here.
    std::string text = std::string(tr("Usage: vantorix [OPTION]...")) + '\n' +
                       wrapped("", tr("Vantorix, an arcade space shooter: shoot down waves of "
                                      "enemy ships and their boss.")) +
                       '\n' + tr("Options:") + '\n';
    const Described options[] = {
        {"--fullscreen", trMark("start in fullscreen")},
        {"--windowed", trMark("start in a window")},
        {"--mute", trMark("start with the sound off")},
        {"--volume N", trMark("master volume, 0 to 100")},
        {"--max-fps N", trMark("cap play at N frames per second (default: no cap)")},
        {"--replay FILE", trMark("watch a recorded game first (Escape leaves it)")},
        {"--check-media", trMark("load every media file, report each and exit")},
        {"--verify-replay FILE",
         trMark("play a recorded game again without drawing it, say whether every check matches "
                "(exit status 0) or which frame differs (1)")},
        {"--help", trMark("show this help and exit")},
        {"--version", trMark("show the version and exit")},
    };
    for (const Described& each : options)
        text += wrapped(each.name, tr(each.words));
    // TRANSLATORS: the key names (Up, Enter, Escape, F11 ...) stay as written
    // in all of the keys' descriptions: they are the names the settings file
    // and the Controls page use.
    text += '\n' + wrapped("", tr("Keys (the play keys as they come; choose your own in the "
                                  "options):"));
    const Described keys[] = {
        {trMark("Menu"), trMark("mouse, or Up/Down (W/S) and Enter or Space; O opens the options; "
                                "Escape quits")},
        {trMark("Options"), trMark("Up/Down (W/S), Left/Right (A/D) change a value, Enter, Escape "
                                   "goes back")},
        {trMark("Play"), trMark("Left/Right move, Up or Space fires; P, Pause or Escape pauses "
                                "and opens the pause menu (Resume, Options, Quit to title)")},
        {trMark("Game over"), trMark("after a second, Enter, Space or a fire key plays again at "
                                     "once; Escape goes to the title menu")},
        {trMark("Anywhere"), trMark("M mutes, - and + turn the volume down and up, F11 or "
                                    "Alt+Enter toggles fullscreen")},
        {trMark("Gamepad"), trMark("stick or D-pad moves, face buttons fire, Start pauses; in the "
                                   "menus, stick or D-pad, A and B; anywhere, hold Back: A mutes, "
                                   "down and up turn the volume, B toggles fullscreen")},
    };
    for (const Described& each : keys)
        text += wrapped(tr(each.name), tr(each.words));
    // TRANSLATORS: %s is a path, $XDG_CONFIG_HOME/vantorix/settings.ini.
    text += '\n' + wrapped("", fill(tr("Settings are kept in %s:"),
                                    {"$XDG_CONFIG_HOME/vantorix/settings.ini"}));
    // TRANSLATORS: the two %s are paths: the best level of Normal games, then of Relaxed ones.
    const char* bestLevel = tr("The best level is kept in %s, Relaxed's in %s.");
    // TRANSLATORS: %s is a folder, $XDG_DATA_HOME/vantorix/replays/.
    const char* replays = tr("Every game's replay is kept in %s.");
    return text + settingNames() +
           wrapped("", fill(bestLevel, {"$XDG_DATA_HOME/vantorix/best-level",
                                        "$XDG_DATA_HOME/vantorix/best-level-relaxed"})) +
           wrapped("", fill(replays, {"$XDG_DATA_HOME/vantorix/replays/"}));
}

std::string CommandLine::version()
{
    return std::string("Vantorix ") + VANTORIX_VERSION;
}
