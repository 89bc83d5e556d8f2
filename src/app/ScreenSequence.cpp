#include "app/ScreenSequence.hpp"

#include "app/GameState.hpp"
#include "gameplay/Game.hpp"
#include "screens/LoseScreen.hpp"
#include "screens/Menu.hpp"

#include <memory>

void ScreenSequence::runCycle(ScreenContext& context)
{
    std::unique_ptr<GameState> menu = std::make_unique<Menu>(context);
    menu->run();
    auto play = std::make_unique<Game>(context);
    const Game& played = *play;
    std::unique_ptr<GameState> game = std::move(play);
    game->run();
    // Left from the pause menu: straight back to the title menu.
    if (played.quitToTitle())
        return;
    std::unique_ptr<GameState> loseScreen = std::make_unique<LoseScreen>(context);
    loseScreen->run();
}
