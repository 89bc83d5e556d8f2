#include "foundation/GameClock.hpp"

#include <cmath>

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

sf::Time GameClock::paced(sf::Time frame) const
{
    if (mPace == 1.f)
        return frame;
    return sf::microseconds(std::llround(static_cast<double>(frame.asMicroseconds()) * mPace));
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
