#include "app/ScreenSequence.hpp"

#include "app/GameState.hpp"
#include "app/Session.hpp"
#include "gameplay/Game.hpp"
#include "screens/LoseScreen.hpp"
#include "screens/Menu.hpp"

#include <memory>

void ScreenSequence::runCycle(Session& session)
{
    std::unique_ptr<GameState> menu = std::make_unique<Menu>(session);
    menu->run();
    std::unique_ptr<GameState> game = std::make_unique<Game>(session);
    game->run();
    std::unique_ptr<GameState> loseScreen = std::make_unique<LoseScreen>(session);
    loseScreen->run();
}
