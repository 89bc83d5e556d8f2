#include "app/ScreenSequence.hpp"

#include "app/GameState.hpp"
#include "gameplay/Game.hpp"
#include "screens/LoseScreen.hpp"
#include "screens/Menu.hpp"

#include <memory>

bool ScreenSequence::runCycle(ScreenContext& context, bool playAtOnce)
{
    std::unique_ptr<GameState> menu = std::make_unique<Menu>(context, playAtOnce);
    menu->run();
    auto play = std::make_unique<Game>(context);
    const Game& played = *play;
    std::unique_ptr<GameState> game = std::move(play);
    game->run();
    // Left from the pause menu: straight back to the title menu.
    if (played.quitToTitle())
        return false;
    auto lose = std::make_unique<LoseScreen>(context);
    const LoseScreen& shown = *lose;
    std::unique_ptr<GameState> loseScreen = std::move(lose);
    loseScreen->run();
    return shown.playsAgain();
}
