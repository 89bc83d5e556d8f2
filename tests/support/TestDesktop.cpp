#include "support/TestDesktop.hpp"

#include "support/FakeFocus.hpp"
#include "support/FakePointer.hpp"
#include "support/FrameScript.hpp"

#include <chrono>
#include <thread>

TestDesktop& TestDesktop::shared()
{
    static TestDesktop desktop;
    return desktop;
}

sf::Vector2i TestDesktop::pointer(const sf::Window&) const
{
    return FakePointer::read();
}

bool TestDesktop::hasFocus(const sf::Window&) const
{
    return FakeFocus::isFocused();
}

void TestDesktop::rest()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void TestDesktop::display(sf::Window& window)
{
    window.display();
    FrameScript::afterFrame(window);
}
