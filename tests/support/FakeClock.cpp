#include "support/FakeClock.hpp"

#include <SFML/System/Clock.hpp>

#include <atomic>

namespace
{
// SFML's audio threads may read clocks too; keep the value tear-free.
std::atomic<sf::Int64> gNowMicroseconds{0};
} // namespace

void FakeClock::advance(sf::Time step)
{
    gNowMicroseconds += step.asMicroseconds();
}

void FakeClock::advanceSeconds(float seconds)
{
    advance(sf::seconds(seconds));
}

sf::Time FakeClock::now()
{
    return sf::microseconds(gNowMicroseconds.load());
}

// These definitions take the place of the library's at link time.
sf::Clock::Clock() : m_startTime(FakeClock::now()) {}

sf::Time sf::Clock::getElapsedTime() const
{
    return FakeClock::now() - m_startTime;
}

sf::Time sf::Clock::restart()
{
    const sf::Time now = FakeClock::now();
    const sf::Time elapsed = now - m_startTime;
    m_startTime = now;
    return elapsed;
}
