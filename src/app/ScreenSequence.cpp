#include "app/ScreenSequence.hpp"

#include "app/GameState.hpp"
#include "gameplay/Game.hpp"
#include "gameplay/ReplayGame.hpp"
#include "screens/LoseScreen.hpp"
#include "screens/Menu.hpp"

#include <memory>

bool ScreenSequence::runCycle(ScreenContext& context, bool playAtOnce,
                              std::optional<ReplayReader> watch)
{
    auto title = std::make_unique<Menu>(context, playAtOnce || watch.has_value());
    Menu& chosen = *title;
    std::unique_ptr<GameState> menu = std::move(title);
    menu->run();
    if (!watch)
        watch = chosen.takeReplay();
    const bool watching = watch.has_value();
    std::unique_ptr<Game> play;
    if (watching)
        play = std::make_unique<ReplayGame>(context, std::move(*watch));
    else
        play = std::make_unique<Game>(context);
    const Game& played = *play;
    std::unique_ptr<GameState> game = std::move(play);
    game->run();
    // Left from the pause menu: straight back to the title menu.
    if (played.quitToTitle())
        return false;
    auto lose = std::make_unique<LoseScreen>(context, !watching);
    const LoseScreen& shown = *lose;
    std::unique_ptr<GameState> loseScreen = std::move(lose);
    loseScreen->run();
    return shown.playsAgain();
}
