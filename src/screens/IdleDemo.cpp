#include "screens/IdleDemo.hpp"

#include "config/Preferences.hpp"
#include "gameplay/ReplayGame.hpp"
#include "replay/ReplayFiles.hpp"
#include "session/ScreenContext.hpp"

#include <iostream>

const sf::Time IdleDemo::IdleFor = sf::seconds(30.f);

namespace
{
// Which demo comes next, over the whole run; a demo that cannot be played is
// named once.
std::size_t sNextDemo = 0;
bool sReported = false;
} // namespace

bool IdleDemo::isDue(const ScreenContext& context) const
{
    return context.preferences.values().demoWhenIdle && mIdle.getElapsedTime() >= IdleFor;
}

bool IdleDemo::play(ScreenContext& context)
{
    mIdle.restart();
    const auto demos = ReplayFiles::demos();
    if (demos.empty())
        return false;
    std::string problem;
    std::optional<ReplayReader> demo =
        ReplayFiles::load(demos[sNextDemo++ % demos.size()], problem);
    if (!demo)
    {
        if (!sReported)
            std::cerr << problem << std::endl;
        sReported = true;
        return false;
    }
    ReplayGame(context, std::move(*demo), ReplayGame::Showing::Demo).run();
    mIdle.restart();
    return true;
}
