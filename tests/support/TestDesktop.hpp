#pragma once

#include "platform/Desktop.hpp"

// The desktop every test session is handed: the pointer where FakePointer
// puts it, the focus FakeFocus says, and after every frame shown the hook of
// FrameScript.
class TestDesktop : public Desktop
{
public:
    static TestDesktop& shared();

    sf::Vector2i pointer(const sf::Window& window) const override;
    bool hasFocus(const sf::Window& window) const override;
    void display(sf::Window& window) override;
    // Shorter than the game's: time in tests runs on the test clock, and the
    // rest only gives the X server a moment.
    void rest() override;
};
