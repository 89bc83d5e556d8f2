#include "config/SettingsTable.hpp"

#include "config/KeyNames.hpp"
#include "config/LanguageSetting.hpp"
#include "config/ModeRows.hpp"
#include "language/Translation.hpp"

#include <algorithm>
#include <sstream>

namespace
{
using SettingsTable::Applies;
using SettingsTable::Page;
using SettingsTable::Row;
using Action = KeyBindings::Action;

constexpr int LevelStep = 10;

std::string trimmed(const std::string& text)
{
    const char* blanks = " \t\r";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::vector<std::string> split(const std::string& list)
{
    std::vector<std::string> items;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');)
        items.push_back(trimmed(item));
    return items;
}

std::optional<unsigned int> parseNumber(const std::string& text, unsigned int largest)
{
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto number = static_cast<unsigned int>(std::stoul(text));
    if (number > largest)
        return std::nullopt;
    return number;
}

std::optional<bool> parseFlag(const std::string& text)
{
    if (text == "true" || text == "yes" || text == "on" || text == "1")
        return true;
    if (text == "false" || text == "no" || text == "off" || text == "0")
        return false;
    return std::nullopt;
}

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

// 0 to 100 in steps of ten.
template <typename Field>
Row level(std::string key, std::string label, Applies applies, Field SettingValues::*field)
{
    Row made = row<Field>(std::move(key), std::move(label), Page::Options, applies, field, 100);
    made.read = [field](const std::string& text, SettingValues& values)
    {
        const auto number = parseNumber(text, 100);
        if (number)
            values.*field = static_cast<Field>(*number);
        return number.has_value();
    };
    made.write = [field](const SettingValues& values) { return std::to_string(values.*field); };
    made.show = made.write;
    made.turn = [field](SettingValues& values, int step)
    { values.*field = std::clamp(values.*field + step * LevelStep, 0, 100); };
    return made;
}

// Read as true/false, yes/no, on/off or 1/0; written in the row's own words.
Row flag(std::string key, std::string label, Page page, Applies applies, bool SettingValues::*field,
         const char* onWord = "on", const char* offWord = "off")
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

Row frameCap()
{
    Row made = row<unsigned int>("max-fps", trMark("Frame cap"), Page::Options, Applies::Play,
                                 &SettingValues::maxFps, 0);
    made.read = [](const std::string& text, SettingValues& values)
    {
        const auto number = parseNumber(text, SettingsTable::LargestMaxFps);
        if (number)
            values.maxFps = *number;
        return number.has_value();
    };
    made.write = [](const SettingValues& values) { return std::to_string(values.maxFps); };
    made.show = [](const SettingValues& values)
    { return values.maxFps == 0 ? std::string(tr("uncapped")) : std::to_string(values.maxFps); };
    made.turn = [](SettingValues& values, int step)
    {
        const auto& caps = SettingsTable::offeredFrameCaps();
        const auto at = std::find(caps.begin(), caps.end(), values.maxFps);
        const long index = at == caps.end() ? 0 : at - caps.begin();
        const long count = static_cast<long>(caps.size());
        values.maxFps = caps[static_cast<std::size_t>((index + step + count) % count)];
    };
    return made;
}

// The rows of the keys and buttons copy, compare and reset one action's list
// at a time; a key taken by one line from another action is the next line's
// business, and the settings file gives back any action left with none.
Row keysOf(Action action)
{
    Row made;
    made.key = KeyBindings::nameOf(action);
    made.label = action == Action::Left    ? trMark("Left")
                 : action == Action::Right ? trMark("Right")
                 : action == Action::Fire  ? trMark("Fire")
                                           : trMark("Pause");
    made.page = Page::Keys;
    made.applies = Applies::WhenRead;
    made.binds = action;
    made.read = [action](const std::string& text, SettingValues& values)
    {
        std::vector<sf::Keyboard::Key> keys;
        for (const std::string& name : split(text))
        {
            const auto key = KeyNames::keyNamed(name);
            if (!key)
                return false;
            keys.push_back(*key);
        }
        return !keys.empty() && values.keys.setKeys(action, keys);
    };
    made.write = [action](const SettingValues& values)
    { return KeyNames::listOf(values.keys.keys(action)); };
    made.show = made.write;
    made.copy = [action](const SettingValues& from, SettingValues& to)
    { to.keys.setKeys(action, from.keys.keys(action)); };
    made.same = [action](const SettingValues& one, const SettingValues& other)
    { return one.keys.keys(action) == other.keys.keys(action); };
    made.reset = [action](SettingValues& values)
    { values.keys.setKeys(action, KeyBindings().keys(action)); };
    return made;
}

// None: the pad's own buttons, and no line in the file.
Row padButtonsOf(Action action)
{
    Row made;
    made.key = std::string("pad-") + KeyBindings::nameOf(action);
    made.page = Page::None;
    made.applies = Applies::WhenRead;
    made.read = [action](const std::string& text, SettingValues& values)
    {
        std::vector<unsigned int> buttons;
        for (const std::string& number : split(text))
        {
            // SFML numbers a pad's buttons from 0 to 31.
            const auto button = parseNumber(number, 31);
            if (!button)
                return false;
            buttons.push_back(*button);
        }
        return values.keys.setPadButtons(action, buttons);
    };
    made.write = [action](const SettingValues& values)
    {
        std::string list;
        for (unsigned int button : values.keys.padButtons(action))
            list += (list.empty() ? "" : ", ") + std::to_string(button);
        return list;
    };
    made.show = made.write;
    made.copy = [action](const SettingValues& from, SettingValues& to)
    { to.keys.setPadButtons(action, from.keys.padButtons(action)); };
    made.same = [action](const SettingValues& one, const SettingValues& other)
    { return one.keys.padButtons(action) == other.keys.padButtons(action); };
    made.reset = [action](SettingValues& values) { values.keys.setPadButtons(action, {}); };
    return made;
}

std::vector<Row> makeRows()
{
    std::vector<Row> rows = {
        level("volume", trMark("Volume"), Applies::Sound, &SettingValues::volume),
        level("music", trMark("Music"), Applies::Music, &SettingValues::music),
        level("effects", trMark("Effects"), Applies::Effects, &SettingValues::effects),
        flag("muted", trMark("Mute"), Page::Options, Applies::Sound, &SettingValues::muted, "true",
             "false"),
        flag("fullscreen", trMark("Fullscreen"), Page::Options, Applies::Window,
             &SettingValues::fullscreen, "true", "false"),
        frameCap(),
    };
    // Turning the master volume unmutes: the player wants to hear the new level.
    const auto turnVolume = rows.front().turn;
    rows.front().turn = [turnVolume](SettingValues& values, int step)
    {
        turnVolume(values, step);
        values.muted = false;
    };
    for (Action action : KeyBindings::Actions)
        rows.push_back(keysOf(action));
    for (Action action : {Action::Fire, Action::Pause})
        rows.push_back(padButtonsOf(action));
    rows.push_back(flag("hit-sound", trMark("Hit tick"), Page::Extras, Applies::Play,
                        &SettingValues::hitSound));
    rows.push_back(flag("label-edge", trMark("Level label edge"), Page::Extras, Applies::Play,
                        &SettingValues::labelEdge));
    rows.push_back(flag("loss-hold", trMark("Hold after a loss"), Page::Extras, Applies::Play,
                        &SettingValues::lossHold));
    rows.push_back(LanguageSetting::row());
    rows.push_back(ModeRows::mode());
    rows.push_back(ModeRows::practiceLevel());
    rows.push_back(flag("demo-when-idle", trMark("Demo when idle"), Page::Extras, Applies::WhenRead,
                        &SettingValues::demoWhenIdle));
    return rows;
}
} // namespace

const std::vector<Row>& SettingsTable::rows()
{
    static const std::vector<Row> table = makeRows();
    return table;
}

const Row* SettingsTable::find(const std::string& key)
{
    const auto& table = rows();
    const auto found =
        std::find_if(table.begin(), table.end(), [&](const Row& each) { return each.key == key; });
    return found == table.end() ? nullptr : &*found;
}

const std::vector<unsigned int>& SettingsTable::offeredFrameCaps()
{
    static const std::vector<unsigned int> caps = {0, 60, 120, 144};
    return caps;
}

SettingValues::SettingValues()
{
    for (const Row& each : SettingsTable::rows())
        each.reset(*this);
}

SettingValues::SettingValues(bool isMuted, int level, bool isFullscreen) : SettingValues()
{
    muted = isMuted;
    volume = level;
    fullscreen = isFullscreen;
}

bool SettingValues::operator==(const SettingValues& other) const
{
    const auto& table = SettingsTable::rows();
    return std::all_of(table.begin(), table.end(),
                       [&](const Row& each) { return each.same(*this, other); });
}
