#include "config/ModeRows.hpp"

#include "config/BestLevel.hpp"
#include "language/Translation.hpp"

#include <array>
#include <string>

namespace
{
using SettingsTable::Row;

constexpr std::array<PlayMode, 3> Modes = {PlayMode::Normal, PlayMode::Relaxed, PlayMode::Practice};

// As the file spells it: the shown name in small letters.
std::string spelling(PlayMode mode)
{
    std::string name = PlayRules::nameOf(mode);
    for (char& letter : name)
        if (letter >= 'A' && letter <= 'Z')
            letter = static_cast<char>(letter - 'A' + 'a');
    return name;
}

template <typename Field>
Row rowOf(std::string key, std::string label, Field SettingValues::*field, Field byDefault)
{
    Row made;
    made.key = std::move(key);
    made.label = std::move(label);
    made.page = SettingsTable::Page::Mode;
    made.applies = SettingsTable::Applies::WhenRead;
    made.copy = [field](const SettingValues& from, SettingValues& to) { to.*field = from.*field; };
    made.same = [field](const SettingValues& one, const SettingValues& other)
    { return one.*field == other.*field; };
    made.reset = [field, byDefault](SettingValues& values) { values.*field = byDefault; };
    return made;
}
} // namespace

std::string ModeRows::shownName(PlayMode mode)
{
    switch (mode)
    {
    case PlayMode::Relaxed:
        return tr("Relaxed");
    case PlayMode::Practice:
        return tr("Practice");
    case PlayMode::Normal:
        break;
    }
    return tr("Normal");
}

Row ModeRows::mode()
{
    Row made = rowOf("mode", trMark("Mode"), &SettingValues::mode, PlayMode::Normal);
    made.read = [](const std::string& text, SettingValues& values)
    {
        for (PlayMode mode : Modes)
            if (text == spelling(mode))
            {
                values.mode = mode;
                return true;
            }
        return false;
    };
    made.write = [](const SettingValues& values) { return spelling(values.mode); };
    made.show = [](const SettingValues& values) { return shownName(values.mode); };
    // Round from the last mode to the first, either way.
    made.turn = [](SettingValues& values, int step)
    {
        const int count = static_cast<int>(Modes.size());
        const int next = (static_cast<int>(values.mode) + step % count + count) % count;
        values.mode = Modes[static_cast<std::size_t>(next)];
    };
    return made;
}

Row ModeRows::practiceLevel()
{
    Row made = rowOf(PracticeLevelKey, trMark("Practice level"), &SettingValues::practiceLevel, 1);
    made.read = [](const std::string& text, SettingValues& values)
    {
        const auto level = BestLevel::parse(text);
        if (level)
            values.practiceLevel = *level;
        return level.has_value();
    };
    made.write = [](const SettingValues& values) { return std::to_string(values.practiceLevel); };
    made.show = made.write;
    // Round from 1 to the highest level there is; the options hold it to the levels reached.
    made.turn = [](SettingValues& values, int step)
    {
        const int next = values.practiceLevel + step;
        values.practiceLevel = next < 1 ? BestLevel::Largest : next > BestLevel::Largest ? 1 : next;
    };
    return made;
}
