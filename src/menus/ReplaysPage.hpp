#pragma once

#include "menus/MenuPage.hpp"
#include "replay/ReplayReader.hpp"

#include <functional>
#include <string>
#include <vector>

// The Replays page of the options over the title menu: watch the last game
// played, or the one that set the best level. An entry says when there is no
// such game yet; a file that cannot be played is named on standard error, and
// the page says so.
namespace ReplaysPage
{
using Watch = std::function<void(ReplayReader replay)>;
using Prompt = std::function<void(std::string prompt)>;

std::vector<MenuPage::Entry> entries(const Watch& watch, const Prompt& prompt);
} // namespace ReplaysPage
