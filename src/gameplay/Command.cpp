#include "gameplay/Command.hpp"

#include "app/WindowView.hpp"

#include <SFML/Window/Event.hpp>

bool Command::sRunning = true;

Command::Command(sf::RenderWindow& window) : mWindow(&window) {}

void Command::pollEvents()
{
    sf::Event event;
    while (mWindow->pollEvent(event))
    {
        switch (event.type)
        {
        case sf::Event::Closed:
            mWindow->close();
            quit();
            break;
        case sf::Event::KeyPressed:
            recordKey(event.key.code, true);
            break;
        case sf::Event::KeyReleased:
            recordKey(event.key.code, false);
            break;
        case sf::Event::Resized:
            WindowView::followSize(*mWindow, event.size.width, event.size.height);
            break;
        default:
            break;
        }
    }
}

void Command::recordKey(sf::Keyboard::Key key, bool pressed)
{
    if (key != sf::Keyboard::Left && key != sf::Keyboard::Right && key != sf::Keyboard::Up)
        return;
    mKey = key;
    mPressed = pressed;
}

sf::Keyboard::Key Command::getKey() const
{
    return mKey;
}

bool Command::isPressed() const
{
    return mPressed;
}

void Command::quit()
{
    sRunning = false;
}

bool Command::isRunning()
{
    return sRunning;
}
