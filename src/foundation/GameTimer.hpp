#pragma once

#include <SFML/System/Time.hpp>

class GameClock;

// A stopwatch over the game's time, with sf::Clock's two operations: it stands
// still whenever its game clock is stopped.
class GameTimer
{
public:
    // Started now.
    explicit GameTimer(const GameClock& clock);

    sf::Time getElapsedTime() const;
    // Starts again from zero; returns the time elapsed until now.
    sf::Time restart();

    const GameClock& clock() const { return *mClock; }

private:
    const GameClock* mClock; // the play screen's clock outlives every timer on it
    sf::Time mStartedAt;
};
