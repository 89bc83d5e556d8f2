#pragma once

#include <SFML/Window/Window.hpp>

#include <functional>

// Every screen's loop ends its frame by handing it to the desktop, and the test
// desktop runs a hook after showing it, so that a test can drive a screen's
// own run() loop: let time pass between frames, look at the screen, and close
// the window to end it.
namespace FrameScript
{
using Hook = std::function<void(sf::Window& window)>;

// Runs the hook after every frame displayed on the constructing thread, for
// as long as the object lives; the hook it replaced comes back afterwards.
class AfterEachFrame
{
public:
    explicit AfterEachFrame(Hook hook);
    ~AfterEachFrame();

    AfterEachFrame(const AfterEachFrame&) = delete;
    AfterEachFrame& operator=(const AfterEachFrame&) = delete;

private:
    Hook mPrevious;
};

// Runs the hook, if one is set, for a frame just shown on this thread.
void afterFrame(sf::Window& window);
} // namespace FrameScript
