#include "platform/FrameCap.hpp"

#include <SFML/System/Sleep.hpp>

FrameCap::FrameCap(std::optional<unsigned int> maxFramesPerSecond)
    : mCap(maxFramesPerSecond),
      mPeriod(maxFramesPerSecond && *maxFramesPerSecond > 0
                  ? sf::microseconds(1000000 / static_cast<sf::Int64>(*maxFramesPerSecond))
                  : sf::Time::Zero)
{
}

void FrameCap::waitForNextFrame()
{
    // Uncapped, the clock is never read: the loop runs exactly as it would without a cap.
    if (mPeriod == sf::Time::Zero)
        return;
    sf::sleep(waitAt(mClock.getElapsedTime()));
}

sf::Time FrameCap::waitAt(sf::Time now)
{
    if (mPeriod == sf::Time::Zero)
        return sf::Time::Zero;
    mNextFrame += mPeriod;
    // A frame that ran late starts the schedule afresh: no hurried frames to catch up.
    if (mNextFrame < now)
    {
        mNextFrame = now;
        return sf::Time::Zero;
    }
    return mNextFrame - now;
}
