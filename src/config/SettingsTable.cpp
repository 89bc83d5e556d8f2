#include "config/SettingsTable.hpp"

#include "config/KeyNames.hpp"
#include "config/LanguageSetting.hpp"
#include "config/ModeRows.hpp"
#include "config/RowMakers.hpp"
#include "language/Translation.hpp"

#include <algorithm>

namespace
{
using SettingsTable::Applies;
using SettingsTable::Page;
using SettingsTable::Row;
using Action = KeyBindings::Action;
using namespace RowMakers;

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

// 50 % to 100 % in steps of ten, shown as the player's language writes a share.
Row gameSpeed()
{
    Row made = choice<int>("game-speed", trMark("Game speed"), Page::Accessibility, Applies::Play,
                           &SettingValues::gameSpeed,
                           {{50, "50", "50"},
                            {60, "60", "60"},
                            {70, "70", "70"},
                            {80, "80", "80"},
                            {90, "90", "90"},
                            {100, "100", "100"}},
                           100, false);
    made.show = [](const SettingValues& values)
    {
        // TRANSLATORS: %s is the game's speed in per cent of full speed, 50 to 100.
        return fill(tr("%s%%"), {std::to_string(values.gameSpeed)});
    };
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
    rows.push_back(flag("reduce-flashing", trMark("Reduce flashing"), Page::Accessibility,
                        Applies::Play, &SettingValues::reduceFlashing));
    rows.push_back(flag("large-text", trMark("Large text"), Page::Accessibility, Applies::Text,
                        &SettingValues::largeText));
    rows.push_back(flag("shot-shapes", trMark("Shot shapes"), Page::Accessibility, Applies::Play,
                        &SettingValues::shotShapes));
    rows.push_back(choice<FireMode>("fire-mode", trMark("Fire"), Page::Accessibility, Applies::Play,
                                    &SettingValues::fireMode,
                                    {{FireMode::Hold, "hold", trMark("Hold")},
                                     {FireMode::Toggle, "toggle", trMark("Toggle")},
                                     {FireMode::Auto, "auto", trMark("Auto")}},
                                    FireMode::Hold, true));
    rows.push_back(gameSpeed());
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
