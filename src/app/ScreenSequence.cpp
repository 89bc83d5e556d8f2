#include "app/ScreenSequence.hpp"

#include "app/GameState.hpp"
#include "gameplay/Game.hpp"
#include "screens/LoseScreen.hpp"
#include "screens/Menu.hpp"

#include <memory>

void ScreenSequence::runCycle(sf::RenderWindow& window, const Options& options)
{
    std::unique_ptr<GameState> menu = std::make_unique<Menu>(window);
    menu->run();
    std::unique_ptr<GameState> game = std::make_unique<Game>(window, options.maxFps);
    game->run();
    std::unique_ptr<GameState> loseScreen = std::make_unique<LoseScreen>(window);
    loseScreen->run();
}
