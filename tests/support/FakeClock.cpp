#include "support/FakeClock.hpp"

#include <SFML/System/Clock.hpp>

#include <atomic>
#include <thread>
#include <utility>

namespace
{
// SFML's audio threads may read clocks too; keep the value tear-free.
std::atomic<sf::Int64> gNowMicroseconds{0};

// The hook belongs to the thread that set it; readings on other threads skip it.
std::atomic<std::thread::id> gHookThread{};
std::function<void()> gElapsedReadHook;
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

void FakeClock::onElapsedRead(std::function<void()> hook)
{
    gElapsedReadHook = std::move(hook);
    gHookThread = gElapsedReadHook ? std::this_thread::get_id() : std::thread::id();
}

// These definitions take the place of the library's at link time.
sf::Clock::Clock() : m_startTime(FakeClock::now()) {}

sf::Time sf::Clock::getElapsedTime() const
{
    if (gHookThread.load() == std::this_thread::get_id() && gElapsedReadHook)
        gElapsedReadHook();
    return FakeClock::now() - m_startTime;
}

sf::Time sf::Clock::restart()
{
    const sf::Time now = FakeClock::now();
    const sf::Time elapsed = now - m_startTime;
    m_startTime = now;
    return elapsed;
}
