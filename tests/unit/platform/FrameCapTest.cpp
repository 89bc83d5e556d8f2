#include "platform/FrameCap.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace
{
sf::Time ms(float milliseconds)
{
    return sf::microseconds(std::llround(milliseconds * 1000.f));
}

// One frame: it ends at `endsAt` (time since the cap was made) and should
// then wait `waits`.
struct Frame
{
    float endsAt;
    float waits;
    const char* what;
};

void expectWaits(FrameCap& cap, const std::vector<Frame>& frames)
{
    for (const Frame& frame : frames)
        EXPECT_EQ(cap.waitAt(ms(frame.endsAt)), ms(frame.waits)) << frame.what;
}
} // namespace

TEST(FrameCap, UncappedNeverWaits)
{
    FrameCap cap(std::nullopt);
    expectWaits(cap, {{0.f, 0.f, "at once"},
                      {1.f, 0.f, "a quick frame"},
                      {500.f, 0.f, "a slow frame"},
                      {500.5f, 0.f, "then quick again"}});
}

TEST(FrameCap, FramesAreDueOnAFixedScheduleSoOversleepingDoesNotAddUp)
{
    FrameCap cap(50u); // a frame every 20 ms
    expectWaits(cap, {{5.f, 15.f, "first frame, 5 ms of work"},
                      {25.3f, 14.7f, "overslept 0.3 ms: taken from this wait"},
                      {60.f, 0.f, "due exactly now"},
                      {61.f, 19.f, "a frame of 1 ms"}});
}

TEST(FrameCap, ALateFrameRestartsTheScheduleInsteadOfHurrying)
{
    FrameCap cap(50u);
    expectWaits(cap, {{5.f, 15.f, "on time"},
                      {75.f, 0.f, "35 ms late"},
                      {80.f, 15.f, "the next is due a whole frame after the late one"},
                      {100.f, 15.f, "and on time again"}});
}

TEST(FrameCap, HighestAndLowestCaps)
{
    FrameCap fastest(1000u);
    expectWaits(fastest, {{0.25f, 0.75f, "1000 per second"}, {1.5f, 0.5f, "next"}});
    FrameCap slowest(1u);
    expectWaits(slowest, {{100.f, 900.f, "one per second"}});
}
