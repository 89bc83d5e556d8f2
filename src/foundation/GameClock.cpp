#include "foundation/GameClock.hpp"

sf::Time GameClock::now() const
{
    return mDriven ? *mDriven : liveNow();
}

sf::Time GameClock::liveNow() const
{
    const sf::Time wall = mStoppedAt ? *mStoppedAt : mWallClock.getElapsedTime();
    return wall - mTimeStopped;
}

void GameClock::advance(sf::Time frame)
{
    if (mDriven)
        *mDriven += frame;
}

void GameClock::stop()
{
    if (isRunning())
        mStoppedAt = mWallClock.getElapsedTime();
}

void GameClock::start()
{
    if (isRunning())
        return;
    mTimeStopped += mWallClock.getElapsedTime() - *mStoppedAt;
    mStoppedAt.reset();
}
