#pragma once

#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

#include <optional>

// Holds a frame loop to at most a given number of frames per second, or lets
// it run as fast as it can. Frames are due on a fixed schedule, so the time a
// sleep oversleeps is taken from the next wait instead of adding up.
class FrameCap
{
public:
    explicit FrameCap(std::optional<unsigned int> maxFramesPerSecond);

    std::optional<unsigned int> cap() const { return mCap; }

    // Called once a frame, after it is displayed: sleeps until the next frame is due.
    void waitForNextFrame();

    // How long to wait at `now` (time since the cap was made) before the next
    // frame, which is then counted as begun.
    sf::Time waitAt(sf::Time now);

private:
    std::optional<unsigned int> mCap;
    sf::Time mPeriod; // zero: no cap
    sf::Time mNextFrame;
    sf::Clock mClock;
};
