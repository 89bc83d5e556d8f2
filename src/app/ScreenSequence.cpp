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
    std::unique_ptr<GameState> game = std::make_unique<Game>(context);
    game->run();
    std::unique_ptr<GameState> loseScreen = std::make_unique<LoseScreen>(context);
    loseScreen->run();
}
