#include "FakePointer.hpp"

#include <SFML/Window/Mouse.hpp>

#include <utility>

namespace
{
sf::Vector2i gPosition;
std::function<void()> gReadHook;
} // namespace

void FakePointer::moveTo(sf::Vector2i position)
{
    gPosition = position;
}

void FakePointer::onRead(std::function<void()> hook)
{
    gReadHook = std::move(hook);
}

// Takes the place of the library's definition at link time.
sf::Vector2i sf::Mouse::getPosition(const sf::Window& /*relativeTo*/)
{
    if (gReadHook)
        gReadHook();
    return gPosition;
}
