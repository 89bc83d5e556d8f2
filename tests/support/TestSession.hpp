#pragma once

#include "config/BestLevel.hpp"
#include "platform/WindowMode.hpp"
#include "session/EventPump.hpp"
#include "session/Session.hpp"
#include "support/TestDesktop.hpp"

#include <utility>

// A session as the game makes one around its window, on the test desktop,
// handed to a screen wherever it asks for its context.
class TestSession : public Session
{
public:
    explicit TestSession(sf::RenderWindow& window, Options options = Options(),
                         Settings* settings = nullptr)
        : Session(window, TestDesktop::shared(), std::move(options), settings)
    {
    }

    operator ScreenContext&() { return context(); }

    // What tests look at most.
    sf::RenderWindow& window() const { return context().window; }
    EventPump& events() const { return context().events; }
    bool isFullscreen() const { return windowMode().isFullscreen(); }
    bool poll(Input& input) const { return events().poll(input); }
    const MasterVolume& volume() const { return context().volume; }
    BestLevel& bestLevel() const { return context().bestLevel; }
    const std::optional<BestLevel::Outcome>& lastGame() const { return bestLevel().lastGame(); }
};
