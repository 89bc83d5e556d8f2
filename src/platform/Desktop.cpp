#include "platform/Desktop.hpp"

#include "platform/StillPicture.hpp"

#include <SFML/System/Sleep.hpp>
#include <SFML/Window/Mouse.hpp>

sf::Vector2i Desktop::pointer(const sf::Window& window) const
{
    return sf::Mouse::getPosition(window);
}

bool Desktop::hasFocus(const sf::Window& window) const
{
    return window.hasFocus();
}

void Desktop::display(sf::Window& window)
{
    window.display();
}

void Desktop::rest()
{
    sf::sleep(sf::milliseconds(StillPicture::RestMilliseconds));
}
