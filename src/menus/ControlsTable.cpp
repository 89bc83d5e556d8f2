#include "menus/ControlsTable.hpp"

#include "config/KeyNames.hpp"

namespace
{
using Action = KeyBindings::Action;

std::string buttonsOf(const KeyBindings& keys, Action action, const std::string& pads)
{
    std::string numbers;
    for (unsigned int button : keys.padButtons(action))
        numbers += (numbers.empty() ? "button " : ", ") + std::to_string(button);
    return numbers.empty() ? pads : numbers;
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
        {"", "KEYBOARD", "GAMEPAD"},
        {"Left", keysOf(keys, Action::Left), "stick or D-pad"},
        {"Right", keysOf(keys, Action::Right), "stick or D-pad"},
        {"Fire", keysOf(keys, Action::Fire), buttonsOf(keys, Action::Fire, "A, B, X, Y")},
        {"Pause", keysOf(keys, Action::Pause), buttonsOf(keys, Action::Pause, "Start")},
        {"Mute", "M", "Back + A"},
        {"Volume", "- and +", "Back + down, up"},
        {"Fullscreen", "F11, Alt+Enter", "Back + B"},
        {"Menus", "arrows, Enter, Escape", "stick, A, B"},
    };
}
