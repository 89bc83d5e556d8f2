#pragma once

#include "config/KeyBindings.hpp"

#include <string>
#include <vector>

// Every control of the game as the player has it now, for the controls page:
// a row for each action and each key kept for the whole game, with its keys
// and its gamepad control.
namespace ControlsTable
{
std::vector<std::vector<std::string>> rows(const KeyBindings& keys);
// The keys of one action, "-" for none.
std::string keysOf(const KeyBindings& keys, KeyBindings::Action action);
} // namespace ControlsTable
