#pragma once

#include "config/SettingsTable.hpp"

#include <string>

// The settings table's rows for how the games to come are played: the mode,
// and the level a practice game starts at.
namespace ModeRows
{
inline const char* const PracticeLevelKey = "practice-level";

// `mode = normal`, `relaxed` or `practice`.
SettingsTable::Row mode();
// `practice-level = N`: a whole number from 1; a practice game starts there, or at the best
// level reached in Normal when that is lower.
SettingsTable::Row practiceLevel();

// "Normal", "Relaxed", "Practice", in the player's language.
std::string shownName(PlayMode mode);
} // namespace ModeRows
