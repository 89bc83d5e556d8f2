#include "menus/ReplaysPage.hpp"

#include "language/Translation.hpp"
#include "replay/ReplayFiles.hpp"

#include <iostream>

namespace
{
MenuPage::Entry watching(std::string label, ReplayFiles::Kept which,
                         const ReplaysPage::Watch& watch, const ReplaysPage::Prompt& prompt)
{
    MenuPage::Entry entry;
    entry.label = std::move(label);
    entry.value = [which]
    { return ReplayFiles::exists(which) ? std::string() : std::string(tr("none yet")); };
    entry.choose = [which, watch, prompt]
    {
        if (!ReplayFiles::exists(which))
            return MenuPage::Outcome::Stay;
        std::string problem;
        std::optional<ReplayReader> replay = ReplayFiles::load(which, problem);
        if (replay)
            watch(std::move(*replay));
        else
        {
            std::cerr << problem << std::endl;
            prompt(tr("THAT REPLAY CANNOT BE PLAYED"));
        }
        return MenuPage::Outcome::Stay;
    };
    return entry;
}
} // namespace

std::vector<MenuPage::Entry> ReplaysPage::entries(const Watch& watch, const Prompt& prompt)
{
    return {watching(trMark("Last game"), ReplayFiles::Kept::Last, watch, prompt),
            watching(trMark("Best game"), ReplayFiles::Kept::Best, watch, prompt)};
}
