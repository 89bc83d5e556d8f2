#include "menus/ControlsTable.hpp"

#include "config/KeyNames.hpp"
#include "language/Translation.hpp"

namespace
{
using Action = KeyBindings::Action;

std::string buttonsOf(const KeyBindings& keys, Action action, const std::string& pads)
{
    std::string numbers;
    for (unsigned int button : keys.padButtons(action))
        numbers += (numbers.empty() ? "" : ", ") + std::to_string(button);
    // TRANSLATORS: %s is a list of gamepad button numbers, "5" or "0, 2".
    return numbers.empty() ? pads : fill(tr("button %s"), {numbers});
}
} // namespace

std::string ControlsTable::keysOf(const KeyBindings& keys, KeyBindings::Action action)
{
    const std::string names = KeyNames::listOf(keys.keys(action));
    return names.empty() ? "-" : names;
}

std::vector<std::vector<std::string>> ControlsTable::rows(const KeyBindings& keys)
{
    return {
        {"", tr("KEYBOARD"), tr("GAMEPAD")},
        {tr("Left"), keysOf(keys, Action::Left), tr("stick or D-pad")},
        {tr("Right"), keysOf(keys, Action::Right), tr("stick or D-pad")},
        {tr("Fire"), keysOf(keys, Action::Fire), buttonsOf(keys, Action::Fire, "A, B, X, Y")},
        {tr("Pause"), keysOf(keys, Action::Pause), buttonsOf(keys, Action::Pause, "Start")},
        {tr("Mute"), "M", "Back + A"},
        {tr("Volume"), tr("- and +"), tr("Back + down, up")},
        {tr("Fullscreen"), "F11, Alt+Enter", "Back + B"},
        {tr("Menus"), tr("arrows, Enter, Escape"), tr("stick, A, B")},
    };
}
