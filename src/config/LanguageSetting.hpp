#pragma once

#include "config/SettingsTable.hpp"

// The settings table's row for the language of the game's words: "system", or
// a language's code. The options turn through the system's language and those
// the game has catalogues for, and show a code chosen in the file as it is.
namespace LanguageSetting
{
SettingsTable::Row row();
} // namespace LanguageSetting
