#include "gameplay/Command.hpp"

#include "app/Session.hpp"

#include <SFML/Window/Event.hpp>

bool Command::sRunning = true;

Command::Command(Session& session) : mSession(&session) {}

void Command::pollEvents()
{
    sf::Event event;
    while (mSession->pollEvent(event))
    {
        switch (event.type)
        {
        case sf::Event::Closed:
            mSession->window().close();
            quit();
            break;
        case sf::Event::KeyPressed:
            recordKey(event.key.code, true);
            break;
        case sf::Event::KeyReleased:
            recordKey(event.key.code, false);
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
