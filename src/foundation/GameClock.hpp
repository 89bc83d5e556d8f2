#pragma once

#include <SFML/System/Clock.hpp>
#include <SFML/System/NonCopyable.hpp>
#include <SFML/System/Time.hpp>

#include <optional>

// The play screen's time: the wall clock less every stretch the game spent
// paused. Every game timer reads it through a GameTimer, so stopping this one
// clock stops them all; the screen that owns it decides when time runs.
class GameClock : private sf::NonCopyable
{
public:
    // Running, from zero.
    GameClock() = default;

    sf::Time now() const;

    // Stopping a stopped clock or starting a running one changes nothing.
    void stop();
    void start();
    bool isRunning() const { return !mStoppedAt.has_value(); }

private:
    sf::Clock mWallClock;
    sf::Time mTimeStopped;              // every pause that has ended, added up
    std::optional<sf::Time> mStoppedAt; // wall time at which the current pause began
};
