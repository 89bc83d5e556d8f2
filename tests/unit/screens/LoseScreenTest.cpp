#include "support/ScreenTestMedia.hpp"

#include "screens/LoseScreen.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/EventPump.hpp"
#include "support/FakeClock.hpp"
#include "support/FakeJoystick.hpp"
#include "support/TestSession.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{
class ShownLoseScreen : public LoseScreen
{
public:
    using LoseScreen::LoseScreen;

    using LoseScreen::loseSound;
    using LoseScreen::secondLoseSound;
};

// What a run looked like, frame by frame (frames count from 1).
struct Timeline
{
    int frames = 0;
    std::vector<int> secondSoundStarts;
    bool firstSoundPlayingInFirstFrame = false;
};
} // namespace

class LoseScreenRun : public ::testing::Test
{
protected:
    void TearDown() override { FakeClock::onElapsedRead({}); }

    // Runs the screen's own loop while each frame's clock reading lets the
    // given time pass. The screen reads its clock once per frame, after
    // displaying it; a second sound found playing at a reading was started by
    // the frame before, and is stopped so that every start is counted.
    Timeline runWithFrameTime(ShownLoseScreen& screen, sf::Time frameTime)
    {
        Timeline timeline;
        FakeClock::onElapsedRead(
            [&]
            {
                if (screen.secondLoseSound().getStatus() == sf::Sound::Playing)
                {
                    timeline.secondSoundStarts.push_back(timeline.frames);
                    screen.secondLoseSound().stop();
                }
                if (++timeline.frames == 1)
                    timeline.firstSoundPlayingInFirstFrame =
                        screen.loseSound().getStatus() == sf::Sound::Playing;
                if (timeline.frames == 10000)
                {
                    ADD_FAILURE() << "the lose screen did not end";
                    mWindow.close();
                }
                FakeClock::advance(frameTime);
            });
        screen.run();
        FakeClock::onElapsedRead({});
        if (screen.secondLoseSound().getStatus() == sf::Sound::Playing)
            timeline.secondSoundStarts.push_back(timeline.frames);
        return timeline;
    }

    ScopedWorkingDirectory mInMediaFolder{ScreenTestMedia::folder()};
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
};

struct TimingCase
{
    float loadingSeconds;
    float frameSeconds;
    int secondSoundFrame;
    int frames;
    const char* name;
};

void PrintTo(const TimingCase& timing, std::ostream* out)
{
    *out << timing.name;
}

class LoseScreenTiming : public LoseScreenRun, public ::testing::WithParamInterface<TimingCase>
{
};

TEST_P(LoseScreenTiming, SecondSoundOnceAfterTwoSecondsAndEndAfterFour)
{
    const TimingCase& c = GetParam();
    ShownLoseScreen screen(mSession);
    // Loading counts against the screen's time: it is measured from construction.
    FakeClock::advanceSeconds(c.loadingSeconds);

    const Timeline timeline = runWithFrameTime(screen, sf::seconds(c.frameSeconds));

    EXPECT_TRUE(timeline.firstSoundPlayingInFirstFrame);
    EXPECT_EQ(timeline.secondSoundStarts, std::vector<int>{c.secondSoundFrame});
    EXPECT_EQ(timeline.frames, c.frames);
    EXPECT_TRUE(mWindow.isOpen());
}

// Frames read the clock at loading + n x frame time; the marks are strict.
INSTANTIATE_TEST_SUITE_P(
    FromConstruction, LoseScreenTiming,
    ::testing::Values(TimingCase{0.f, 0.5f, 5, 9, "FramesLandExactlyOnBothMarks"},
                      TimingCase{0.f, 0.3f, 7, 14, "FramesStepOverBothMarks"},
                      TimingCase{1.5f, 0.5f, 2, 6, "FirstFrameReadsExactlyTwoSeconds"},
                      TimingCase{2.5f, 0.5f, 1, 4, "LoadingSlowerThanTwoSeconds"},
                      TimingCase{4.5f, 0.5f, 1, 1, "LoadingSlowerThanFourSeconds"},
                      TimingCase{0.f, 5.f, 1, 1, "OneFramePassesBothMarks"}),
    [](const ::testing::TestParamInfo<TimingCase>& param)
    { return std::string(param.param.name); });

// A key (or a pad's button) going down or up, a number of seconds into the
// screen; before it begins, at a negative time.
struct Act
{
    float at;
    std::optional<sf::Keyboard::Key> key; // none: a pad's button
    unsigned int button = 0;
    bool pressed = true;
};

struct LeaveCase
{
    std::vector<Act> acts;
    enum Ends
    {
        AfterFourSeconds,
        PlayingAgain,
        AtTheTitle,
    } ends;
    const char* name;
};

void PrintTo(const LeaveCase& leave, std::ostream* out)
{
    *out << leave.name;
}

class LoseScreenLeaving : public LoseScreenRun, public ::testing::WithParamInterface<LeaveCase>
{
protected:
    void TearDown() override
    {
        LoseScreenRun::TearDown();
        FakeJoystick::unplugAll();
    }

    void act(const Act& each)
    {
        if (each.key)
            XWindowEvents::sendKey(mWindow, *each.key, each.pressed);
        else
            FakeJoystick::press(0, each.button, each.pressed);
    }
};

// Left alone the screen shows for its four seconds. After the first, a fresh
// press of a key that starts play (or a pad's A) plays again at once, and
// Escape (or B) goes to the title menu; fire held through the loss, and its
// repeats, count for nothing until let go. Time runs slowly once a key is
// down, so that the X server has time to deliver it.
TEST_P(LoseScreenLeaving, OnlyAFreshPressAfterTheFirstSecondEndsTheScreen)
{
    const LeaveCase& c = GetParam();
    FakeJoystick::plugIn(0);
    std::size_t next = 0;
    bool held = false;
    for (; next < c.acts.size() && c.acts[next].at < 0.f; ++next)
    {
        act(c.acts[next]);
        held = held || c.acts[next].key;
    }
    // What was down before is seen before the screen begins.
    if (held)
    {
        ASSERT_TRUE(pumpUntil([] {},
                              [&]
                              {
                                  Input input;
                                  return mSession.poll(input) && input.isPress();
                              }));
    }
    ShownLoseScreen screen(mSession);
    sf::Time shown;
    FakeClock::onElapsedRead(
        [&]
        {
            const bool acting = next < c.acts.size() && shown >= sf::seconds(c.acts[next].at);
            for (; next < c.acts.size() && shown >= sf::seconds(c.acts[next].at); ++next)
                act(c.acts[next]);
            const sf::Time step = sf::seconds(acting || next == c.acts.size() ? 0.002f : 0.1f);
            shown += step;
            FakeClock::advance(step);
        });
    screen.run();
    FakeClock::onElapsedRead({});

    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_EQ(shown < sf::seconds(3.f), c.ends != LeaveCase::AfterFourSeconds);
    EXPECT_EQ(screen.playsAgain(), c.ends == LeaveCase::PlayingAgain);
}

using K = sf::Keyboard;
INSTANTIATE_TEST_SUITE_P(
    Keys, LoseScreenLeaving,
    ::testing::Values(
        LeaveCase{{{1.5f, K::Enter}}, LeaveCase::PlayingAgain, "EnterAfterASecond"},
        LeaveCase{{{1.5f, K::Space}}, LeaveCase::PlayingAgain, "SpaceAfterASecond"},
        LeaveCase{{{1.5f, K::Up}}, LeaveCase::PlayingAgain, "AFireKeyAfterASecond"},
        LeaveCase{{{1.5f, std::nullopt, 0}}, LeaveCase::PlayingAgain, "PadAAfterASecond"},
        LeaveCase{{{1.5f, K::Escape}}, LeaveCase::AtTheTitle, "EscapeAfterASecond"},
        LeaveCase{{{1.5f, std::nullopt, 1}}, LeaveCase::AtTheTitle, "PadBAfterASecond"},
        LeaveCase{{{0.5f, K::Enter}}, LeaveCase::AfterFourSeconds, "EnterInTheFirstSecond"},
        LeaveCase{{{1.5f, K::Down}}, LeaveCase::AfterFourSeconds, "AnotherKey"},
        LeaveCase{{{1.5f, K::P}}, LeaveCase::AfterFourSeconds, "ThePauseKey"},
        LeaveCase{{{1.5f, K::Left}}, LeaveCase::AfterFourSeconds, "AKeyThatSteers"},
        LeaveCase{{{-1.f, K::Up}, {1.5f, K::Up}, {2.f, K::Up}},
                  LeaveCase::AfterFourSeconds,
                  "FireHeldThroughTheLossRepeating"},
        LeaveCase{{{0.5f, K::Up}, {1.5f, K::Up}},
                  LeaveCase::AfterFourSeconds,
                  "ARepeatAfterTheFirstSecond"},
        LeaveCase{{{-1.f, K::Up}, {1.5f, K::Up, 0, false}, {1.6f, K::Up}},
                  LeaveCase::PlayingAgain,
                  "FireHeldThenPressedAfresh"},
        LeaveCase{
            {{-1.f, std::nullopt, 0}, {1.5f, std::nullopt, 0, false}, {1.6f, std::nullopt, 0}},
            LeaveCase::PlayingAgain,
            "PadHeldThenPressedAfresh"},
        LeaveCase{{{-1.f, std::nullopt, 0}}, LeaveCase::AfterFourSeconds, "PadHeldThrough"}),
    [](const ::testing::TestParamInfo<LeaveCase>& param) { return std::string(param.param.name); });

TEST_F(LoseScreenRun, RunOnAClosedWindowStartsTheFirstSoundAndReturns)
{
    ShownLoseScreen screen(mSession);
    mWindow.close();

    const Timeline timeline = runWithFrameTime(screen, sf::seconds(0.5f));

    EXPECT_EQ(timeline.frames, 0);
    EXPECT_EQ(screen.loseSound().getStatus(), sf::Sound::Playing);
    EXPECT_TRUE(timeline.secondSoundStarts.empty());
}

TEST_F(LoseScreenRun, SoundsPlayOnAfterTheScreenEnds)
{
    ShownLoseScreen screen(mSession);
    FakeClock::onElapsedRead([] { FakeClock::advanceSeconds(0.5f); });
    screen.run();
    FakeClock::onElapsedRead({});

    EXPECT_EQ(screen.loseSound().getStatus(), sf::Sound::Playing);
    EXPECT_EQ(screen.secondLoseSound().getStatus(), sf::Sound::Playing);
    ASSERT_NE(screen.loseSound().getBuffer(), nullptr);
    ASSERT_NE(screen.secondLoseSound().getBuffer(), nullptr);
    EXPECT_EQ(screen.loseSound().getBuffer()->getDuration(),
              sf::seconds(ScreenTestMedia::LoseSeconds));
    EXPECT_EQ(screen.secondLoseSound().getBuffer()->getDuration(),
              sf::seconds(ScreenTestMedia::SecondLoseSeconds));
}

TEST_F(LoseScreenRun, EventsWaitForTheNextScreen)
{
    ShownLoseScreen screen(mSession);
    // Both windows share the library's one connection to the X server, and
    // the server delivers events in the order they were sent: once the probe
    // has seen its close request, the window's is queued before the screen runs.
    sf::Window probe(sf::VideoMode(10, 10), "Vantorix probe");
    XWindowEvents::requestClose(mWindow);
    XWindowEvents::requestClose(probe);
    sf::Event event;
    bool probeClosed = false;
    ASSERT_TRUE(pumpUntil(
        [&]
        {
            while (probe.pollEvent(event))
                probeClosed = probeClosed || event.type == sf::Event::Closed;
        },
        [&] { return probeClosed; }));

    runWithFrameTime(screen, sf::seconds(0.5f));

    EXPECT_TRUE(mWindow.isOpen());
    bool closeRequested = false;
    Input input;
    EXPECT_TRUE(pumpUntil(
        [&]
        {
            while (mSession.poll(input))
                closeRequested = closeRequested || input.type == Input::Type::Closed;
        },
        [&] { return closeRequested; }))
        << "the close request is still queued for the menu";
}

// Fullscreen works here as on every screen; what else comes still waits.
TEST_F(LoseScreenRun, SwitchesToFullscreenWhileShowingAndTheCloseRequestStillWaits)
{
    ShownLoseScreen screen(mSession);
    XWindowEvents::requestClose(mWindow);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::F11, true);
    // The screen's time stands still until it has seen the key come.
    int waits = 0;
    FakeClock::onElapsedRead(
        [&]
        {
            if (mSession.isFullscreen() || ++waits > 400)
                FakeClock::advanceSeconds(0.5f);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        });
    screen.run();
    FakeClock::onElapsedRead({});

    EXPECT_TRUE(mSession.isFullscreen());
    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_EQ(screen.secondLoseSound().getStatus(), sf::Sound::Playing) << "went on to the end";
    Input input;
    bool closeRequested = false;
    while (mSession.poll(input))
        closeRequested = closeRequested || input.type == Input::Type::Closed;
    EXPECT_TRUE(closeRequested) << "the close request waits for the menu";
}

TEST_F(LoseScreenRun, WithoutMediaLoadsAreReportedInOrderAndTheScreenStillEnds)
{
    const TemporaryFolder emptyFolder;
    ScopedWorkingDirectory inEmptyFolder(emptyFolder);
    auto console = std::make_unique<ConsoleCapture>();
    ShownLoseScreen screen(mSession);
    const std::string loaded = console->text();
    console.reset();

    EXPECT_EQ(loaded, "Media/Textures/LoseScreen/LoseScreen.jpg failed to load\n"
                      "Media/SoundBuffers/Lose.flac failed to load\n"
                      "Media/SoundBuffers/Lose2.wav failed to load\n");

    const Timeline timeline = runWithFrameTime(screen, sf::seconds(0.5f));
    EXPECT_EQ(timeline.frames, 9);
}
