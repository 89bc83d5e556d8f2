#pragma once

#include "config/SettingsTable.hpp"
#include "language/Translation.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the rows of the settings table are made of: how their words are read,
// and the makers of the rows that many settings share (a level, a switch, one
// of a few choices).
namespace RowMakers
{
using SettingsTable::Applies;
using SettingsTable::Page;
using SettingsTable::Row;

std::string trimmed(const std::string& text);
// A comma-separated list, each item trimmed.
std::vector<std::string> split(const std::string& list);
// A whole number of at most four digits, no larger than the largest.
std::optional<unsigned int> parseNumber(const std::string& text, unsigned int largest);
// true/false, yes/no, on/off or 1/0.
std::optional<bool> parseFlag(const std::string& text);

// What every row of one field does alike: copy, compare and reset it.
template <typename Field>
Row row(std::string key, std::string label, Page page, Applies applies, Field SettingValues::*field,
        Field byDefault)
{
    Row made;
    made.key = std::move(key);
    made.label = std::move(label);
    made.page = page;
    made.applies = applies;
    made.copy = [field](const SettingValues& from, SettingValues& to) { to.*field = from.*field; };
    made.same = [field](const SettingValues& one, const SettingValues& other)
    { return one.*field == other.*field; };
    made.reset = [field, byDefault](SettingValues& values) { values.*field = byDefault; };
    return made;
}

// 0 to 100 in steps of ten, on the first page.
Row level(std::string key, std::string label, Applies applies, int SettingValues::*field);

// Read as true/false, yes/no, on/off or 1/0; written in the row's own words.
Row flag(std::string key, std::string label, Page page, Applies applies, bool SettingValues::*field,
         const char* onWord = "on", const char* offWord = "off");

// One value of a few: its word in the file and its words in the options,
// marked for the catalogue.
template <typename Field> struct Choice
{
    Field value;
    const char* word;
    const char* shown;
};

// A step goes to the next choice or the one before; a row that wraps goes
// round, and choosing it in the options steps on, as a switch does.
template <typename Field>
Row choice(std::string key, std::string label, Page page, Applies applies,
           Field SettingValues::*field, std::vector<Choice<Field>> choices, Field byDefault,
           bool wraps)
{
    Row made = row<Field>(std::move(key), std::move(label), page, applies, field, byDefault);
    const auto indexOf = [field, choices](const SettingValues& values)
    {
        std::size_t index = 0;
        while (index + 1 < choices.size() && !(choices[index].value == values.*field))
            ++index;
        return index;
    };
    made.read = [field, choices](const std::string& text, SettingValues& values)
    {
        for (const Choice<Field>& each : choices)
            if (text == each.word)
            {
                values.*field = each.value;
                return true;
            }
        return false;
    };
    made.write = [indexOf, choices](const SettingValues& values)
    { return std::string(choices[indexOf(values)].word); };
    made.show = [indexOf, choices](const SettingValues& values)
    { return std::string(tr(choices[indexOf(values)].shown)); };
    made.turn = [indexOf, field, choices, wraps](SettingValues& values, int step)
    {
        const long count = static_cast<long>(choices.size());
        long next = static_cast<long>(indexOf(values)) + step;
        next = wraps ? (next + count) % count : std::clamp(next, 0L, count - 1);
        values.*field = choices[static_cast<std::size_t>(next)].value;
    };
    made.toggles = wraps;
    return made;
}
} // namespace RowMakers
