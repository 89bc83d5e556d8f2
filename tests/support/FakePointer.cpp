#include "support/FakePointer.hpp"

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

sf::Vector2i FakePointer::read()
{
    if (gReadHook)
        gReadHook();
    return gPosition;
}
