#include "app/DisplayCheck.hpp"
#include "app/HeapSettings.hpp"
#include "app/ScreenSequence.hpp"
#include "gameplay/Command.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdlib>
#include <ctime>
#include <iostream>

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
    HeapSettings::keepLargeBuffersOutOfTheHeap();
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
        ScreenSequence::runCycle(window);
    return 0;
}
