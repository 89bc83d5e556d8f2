#include "config/Settings.hpp"

#include "config/KeyNames.hpp"

#include <algorithm>
#include <functional>
#include <sstream>

namespace
{
constexpr std::size_t LargestFile = 4096;
// A problem names a line by its first characters.
constexpr std::size_t QuotedLength = 60;

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

// A line as a problem quotes it: on one line, without control characters.
std::string shownAsQuote(const std::string& line)
{
    std::string quote;
    for (const char c : line.substr(0, QuotedLength))
        quote += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    return '"' + quote + (line.size() > QuotedLength ? "...\"" : "\"");
}

std::vector<std::string> split(const std::string& list)
{
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');)
        items.push_back(trimmed(item));
    return items;
}

std::optional<bool> parseFlag(const std::string& text)
{
    if (text == "true" || text == "yes" || text == "on" || text == "1")
        return true;
    if (text == "false" || text == "no" || text == "off" || text == "0")
        return false;
    return std::nullopt;
}

std::optional<unsigned int> parseNumber(const std::string& text, unsigned int largest)
{
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned int number = static_cast<unsigned int>(std::stoul(text));
    if (number > largest)
        return std::nullopt;
    return number;
}

std::optional<std::vector<sf::Keyboard::Key>> parseKeys(const std::string& text)
{
    std::vector<sf::Keyboard::Key> keys;
    for (const std::string& name : split(text))
    {
        const auto key = KeyNames::keyNamed(name);
        if (!key)
            return std::nullopt;
        keys.push_back(*key);
    }
    return keys;
}

std::optional<std::vector<unsigned int>> parseButtons(const std::string& text)
{
    std::vector<unsigned int> buttons;
    for (const std::string& number : split(text))
    {
        // SFML numbers a pad's buttons from 0 to 31.
        const auto button = parseNumber(number, 31);
        if (!button)
            return std::nullopt;
        buttons.push_back(*button);
    }
    return buttons;
}

template <typename Number>
bool setNumber(const std::string& text, unsigned int largest, Number& value)
{
    const auto number = parseNumber(text, largest);
    if (number)
        value = static_cast<Number>(*number);
    return number.has_value();
}

bool setFlag(const std::string& text, bool& value)
{
    const auto flag = parseFlag(text);
    if (flag)
        value = *flag;
    return flag.has_value();
}

// What each key of the file sets; false when its value cannot be used.
using Setter = std::function<bool(const std::string& value, Settings::Values& values)>;

const std::vector<std::pair<std::string, Setter>>& setters()
{
    using Action = KeyBindings::Action;
    static const std::vector<std::pair<std::string, Setter>> table = []
    {
        std::vector<std::pair<std::string, Setter>> entries = {
            {"volume",
             [](auto& text, auto& values) { return setNumber(text, 100, values.volume); }},
            {"music", [](auto& text, auto& values) { return setNumber(text, 100, values.music); }},
            {"effects",
             [](auto& text, auto& values) { return setNumber(text, 100, values.effects); }},
            {"muted", [](auto& text, auto& values) { return setFlag(text, values.muted); }},
            {"fullscreen",
             [](auto& text, auto& values) { return setFlag(text, values.fullscreen); }},
            {"max-fps", [](auto& text, auto& values)
             { return setNumber(text, Settings::LargestMaxFps, values.maxFps); }},
        };
        for (Action action : KeyBindings::Actions)
            entries.emplace_back(KeyBindings::nameOf(action),
                                 [action](auto& text, auto& values)
                                 {
                                     const auto keys = parseKeys(text);
                                     return keys && values.keys.setKeys(action, *keys);
                                 });
        for (Action action : {Action::Fire, Action::Pause})
            entries.emplace_back(std::string("pad-") + KeyBindings::nameOf(action),
                                 [action](auto& text, auto& values)
                                 {
                                     const auto buttons = parseButtons(text);
                                     return buttons && values.keys.setPadButtons(action, *buttons);
                                 });
        return entries;
    }();
    return table;
}

std::string joined(const std::vector<std::string>& items)
{
    std::string list;
    for (const std::string& item : items)
        list += (list.empty() ? "" : ", ") + item;
    return list;
}
} // namespace

Settings::Settings(KeptFile file) : mFile(std::move(file)) {}

std::optional<Settings::Reading> Settings::parse(const std::string& text)
{
    if (text.find('\0') != std::string::npos)
        return std::nullopt;
    Reading reading;
    // Some editors start a UTF-8 file with a byte order mark.
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::istringstream in(text.compare(0, 3, byteOrderMark) == 0 ? text.substr(3) : text);
    for (std::string line; std::getline(in, line);)
    {
        line = trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';' ||
            (line.front() == '[' && line.back() == ']'))
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = trimmed(line.substr(0, equals));
        const std::string value =
            equals == std::string::npos ? "" : trimmed(line.substr(equals + 1));
        const auto& table = setters();
        const auto setter = std::find_if(table.begin(), table.end(),
                                         [&](const auto& entry) { return entry.first == key; });
        if (equals == std::string::npos || key.empty())
            reading.problems.push_back(shownAsQuote(line) + " is not a setting");
        else if (setter == table.end())
            reading.unknown.push_back(key + " = " + value);
        else if (!setter->second(value, reading.values))
            reading.problems.push_back(shownAsQuote(line) + " cannot be used; " + key +
                                       " keeps its earlier value");
    }
    return reading;
}

std::string Settings::format(const Values& values, const std::vector<std::string>& unknown)
{
    std::ostringstream out;
    out << "# Vantorix settings, rewritten by the game when you change them.\n"
        << "volume = " << values.volume << '\n'
        << "music = " << values.music << '\n'
        << "effects = " << values.effects << '\n'
        << "muted = " << (values.muted ? "true" : "false") << '\n'
        << "fullscreen = " << (values.fullscreen ? "true" : "false") << '\n'
        << "max-fps = " << values.maxFps << '\n';
    for (KeyBindings::Action action : KeyBindings::Actions)
        out << KeyBindings::nameOf(action) << " = " << KeyNames::listOf(values.keys.keys(action))
            << '\n';
    for (KeyBindings::Action action : {KeyBindings::Action::Fire, KeyBindings::Action::Pause})
    {
        std::vector<std::string> numbers;
        for (unsigned int button : values.keys.padButtons(action))
            numbers.push_back(std::to_string(button));
        // None: the pad's own buttons.
        if (!numbers.empty())
            out << "pad-" << KeyBindings::nameOf(action) << " = " << joined(numbers) << '\n';
    }
    for (const std::string& line : unknown)
        out << line << '\n';
    return out.str();
}

void Settings::load(std::ostream& problems)
{
    mValues = Values();
    mUnknown.clear();
    mLeftAlone = false;
    const KeptFile::Reading reading = mFile.read(LargestFile);
    if (reading.status == KeptFile::Reading::Status::Missing)
        return;

    std::string problem = reading.problem;
    // A file that could not be read is not ours to replace: nothing is kept this run.
    if (reading.status == KeptFile::Reading::Status::Unreadable)
    {
        problems << "vantorix: the settings in " << mFile.path().string() << " cannot be read ("
                 << problem << "); using the defaults, and changes will not be kept" << std::endl;
        mLeftAlone = true;
        mReported = true;
        return;
    }
    if (reading.status == KeptFile::Reading::Status::Read)
    {
        if (const auto parsed = parse(reading.contents))
        {
            mValues = parsed->values;
            mUnknown = parsed->unknown;
            for (const std::string& line : parsed->problems)
                problems << "vantorix: in the settings in " << mFile.path().string() << ", " << line
                         << std::endl;
            return;
        }
        problem = "it is damaged";
    }
    problems << "vantorix: the settings in " << mFile.path().string() << " cannot be used ("
             << problem << "); using the defaults" << std::endl;
    mReported = true;
}

void Settings::save(const Values& values, std::ostream& problems)
{
    if (values == mValues)
        return;
    mValues = values;
    std::string problem;
    if (mLeftAlone)
        return;
    if (!mFile.write(format(values, mUnknown), problem) && !mReported)
    {
        problems << "vantorix: the settings cannot be remembered: " << problem << std::endl;
        mReported = true;
    }
}
