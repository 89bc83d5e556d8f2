#include "foundation/GameTimer.hpp"

#include "foundation/GameClock.hpp"

GameTimer::GameTimer(const GameClock& clock) : mClock(&clock), mStartedAt(clock.now()) {}

sf::Time GameTimer::getElapsedTime() const
{
    return mClock->now() - mStartedAt;
}

sf::Time GameTimer::restart()
{
    const sf::Time now = mClock->now();
    const sf::Time elapsed = now - mStartedAt;
    mStartedAt = now;
    return elapsed;
}
