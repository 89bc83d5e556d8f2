#include "config/RowMakers.hpp"

#include "language/Translation.hpp"

#include <algorithm>
#include <sstream>

namespace
{
constexpr int LevelStep = 10;
}

std::string RowMakers::trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::vector<std::string> RowMakers::split(const std::string& list)
{
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');)
        items.push_back(trimmed(item));
    return items;
}

std::optional<unsigned int> RowMakers::parseNumber(const std::string& text, unsigned int largest)
{
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto number = static_cast<unsigned int>(std::stoul(text));
    if (number > largest)
        return std::nullopt;
    return number;
}

std::optional<bool> RowMakers::parseFlag(const std::string& text)
{
    if (text == "true" || text == "yes" || text == "on" || text == "1")
        return true;
    if (text == "false" || text == "no" || text == "off" || text == "0")
        return false;
    return std::nullopt;
}

RowMakers::Row RowMakers::level(std::string key, std::string label, Applies applies,
                                int SettingValues::*field)
{
    Row made = row<int>(std::move(key), std::move(label), Page::Options, applies, field, 100);
    made.read = [field](const std::string& text, SettingValues& values)
    {
        const auto number = parseNumber(text, 100);
        if (number)
            values.*field = static_cast<int>(*number);
        return number.has_value();
    };
    made.write = [field](const SettingValues& values) { return std::to_string(values.*field); };
    made.show = made.write;
    made.turn = [field](SettingValues& values, int step)
    { values.*field = std::clamp(values.*field + step * LevelStep, 0, 100); };
    return made;
}

RowMakers::Row RowMakers::flag(std::string key, std::string label, Page page, Applies applies,
                               bool SettingValues::*field, const char* onWord, const char* offWord)
{
    Row made = row<bool>(std::move(key), std::move(label), page, applies, field, false);
    made.read = [field](const std::string& text, SettingValues& values)
    {
        const auto parsed = parseFlag(text);
        if (parsed)
            values.*field = *parsed;
        return parsed.has_value();
    };
    made.write = [field, onWord, offWord](const SettingValues& values)
    { return std::string(values.*field ? onWord : offWord); };
    made.show = [field](const SettingValues& values)
    { return std::string(values.*field ? tr("on") : tr("off")); };
    made.turn = [field](SettingValues& values, int) { values.*field = !(values.*field); };
    made.toggles = true;
    return made;
}
