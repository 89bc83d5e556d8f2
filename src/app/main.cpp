#include "app/DisplayCheck.hpp"
#include "app/GameState.hpp"
#include "gameplay/Command.hpp"
#include "gameplay/Game.hpp"
#include "screens/LoseScreen.hpp"
#include "screens/Menu.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>

namespace
{
int reportNoWindow()
{
    std::cerr << "Vantorix: the game window could not be opened" << std::endl;
    return 1;
}
} // namespace

int main()
{
    srand(static_cast<unsigned int>(time(nullptr)));

    if (!DisplayCheck::isDisplayAvailable())
        return reportNoWindow();
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    // Every screen would find a window that never opened closed at once, and
    // nothing would ever stop the cycle.
    if (!window.isOpen())
        return reportNoWindow();

    Command command(window);
    while (Command::isRunning())
    {
        std::unique_ptr<GameState> menu = std::make_unique<Menu>(window);
        menu->run();
        std::unique_ptr<GameState> game = std::make_unique<Game>(window);
        game->run();
        std::unique_ptr<GameState> loseScreen = std::make_unique<LoseScreen>(window);
        loseScreen->run();
    }
    return 0;
}
