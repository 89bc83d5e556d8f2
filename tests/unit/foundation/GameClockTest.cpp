#include "foundation/GameClock.hpp"
#include "foundation/GameTimer.hpp"
#include "support/FakeClock.hpp"

#include <gtest/gtest.h>

namespace
{
enum class Action
{
    None,
    Stop,
    Start,
};

struct Step
{
    float wallSeconds; // passes before the action
    Action action;
    float timerReads;
};
} // namespace

// Stopping a stopped clock or starting a running one must not lose or add time.
TEST(GameClockTime, TimersStandStillWhileItIsStoppedAndGoOnWithoutAJump)
{
    const Step steps[] = {
        {1.f, Action::None, 1.f},   {0.f, Action::Stop, 1.f},     {30.f, Action::None, 1.f},
        {2.f, Action::Stop, 1.f},   {5.f, Action::Start, 1.f},    {0.5f, Action::None, 1.5f},
        {1.f, Action::Start, 2.5f}, {0.25f, Action::Stop, 2.75f}, {600.f, Action::Start, 2.75f},
        {0.25f, Action::None, 3.f},
    };
    GameClock clock;
    GameTimer timer(clock);
    for (const Step& step : steps)
    {
        FakeClock::advanceSeconds(step.wallSeconds);
        if (step.action == Action::Stop)
            clock.stop();
        else if (step.action == Action::Start)
            clock.start();
        EXPECT_FLOAT_EQ(timer.getElapsedTime().asSeconds(), step.timerReads)
            << "after " << step.wallSeconds << " s";
    }
}

// Timers made later start from the clock's present, paused or not.
TEST(GameClockTime, ATimerMadeWhileStoppedStartsWhenTheClockGoesOn)
{
    GameClock clock;
    FakeClock::advanceSeconds(2.f);
    clock.stop();
    GameTimer late(clock);
    FakeClock::advanceSeconds(9.f);
    EXPECT_EQ(late.getElapsedTime(), sf::Time::Zero);
    clock.start();
    FakeClock::advanceSeconds(1.f);
    EXPECT_FLOAT_EQ(late.getElapsedTime().asSeconds(), 1.f);
}

// Driven by its frames, the clock reads their sum, the same all through a
// frame, whatever the wall clock does; its live reading goes on meanwhile.
TEST(GameClockTime, DrivenItReadsTheFramesTimeAlone)
{
    GameClock clock;
    FakeClock::advanceSeconds(2.f); // loading
    clock.drive();
    GameTimer timer(clock);
    EXPECT_EQ(clock.now(), sf::Time::Zero);
    for (const float frame : {0.016f, 0.5f, 0.f, 3.f})
    {
        FakeClock::advanceSeconds(frame + 0.25f);
        clock.advance(sf::seconds(frame));
    }
    EXPECT_EQ(timer.getElapsedTime(), sf::seconds(0.016f) + sf::seconds(0.5f) + sf::seconds(3.f));
    EXPECT_EQ(clock.liveNow(), sf::seconds(2.f + 3.516f + 1.f));
}
