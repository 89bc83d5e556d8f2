#include "support/FakePointer.hpp"

#include "app/ScreenSequence.hpp"
#include "resources/ScreenMedia.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/FakeClock.hpp"
#include "support/FrameScript.hpp"
#include "support/SharedState.hpp"
#include "support/TestSession.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace
{
// Inside the Play button of the menu image, drawn at the window's top-left corner.
const sf::Vector2i OnPlay(402, 547);

// One line for each file the screens load through their caches, in their order.
std::vector<std::string> loadingLines(std::initializer_list<ScreenMedia::Screen> screens)
{
    std::vector<std::string> lines;
    for (const auto screen : screens)
        for (const ScreenMedia::File& file : ScreenMedia::of(screen))
            if (file.kind == ScreenMedia::Kind::Texture ||
                file.kind == ScreenMedia::Kind::SoundBuffer || file.kind == ScreenMedia::Kind::Font)
                lines.push_back(std::string(file.name) + " SUCCESFULLY loaded!");
    return lines;
}
} // namespace

// A whole cycle in a window of its own, on the generated media, its console captured.
class ScreenSequenceCycle : public ::testing::Test
{
protected:
    const SharedState::Restorer mRestoresSharedState;
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
    ScopedWorkingDirectory mInMedia{TestFolders::withMedia()};
    ConsoleCapture mConsole;
};

// The entry point's own cycle on the generated media, a twentieth of a second
// passing after each frame: the menu is left with a click on Play, play ends
// when the first enemy reaches the wall, and the game-over screen shows for
// its four seconds before the cycle ends with the window open.
TEST_F(ScreenSequenceCycle, EachScreenRunsInTurnAndTheGameOverScreenShowsForFourSeconds)
{
    const sf::Time step = sf::seconds(0.05f);
    int frames = 0;
    std::size_t linesSeen = 0;
    sf::Time sinceNewestLine; // of frames shown since the newest console line came
    FakePointer::moveTo(OnPlay);
    {
        FrameScript::AfterEachFrame script(
            [&](sf::Window&)
            {
                // The click comes back through the X server a few frames later;
                // it is sent again now and then in case the window was not mapped.
                if (frames % 200 == 0)
                    XWindowEvents::sendButton(mWindow, sf::Mouse::Left, true, OnPlay);
                const std::size_t lines = mConsole.lines().size();
                sinceNewestLine = lines == linesSeen ? sinceNewestLine + step : sf::Time::Zero;
                linesSeen = lines;
                FakeClock::advance(step);
                if (++frames == 20000)
                    mWindow.close();
            });
        ScreenSequence::runCycle(mSession);
    }

    // Each screen loads its media when it is made, just before it runs: the
    // game-over screen's frames are the ones after its loading lines.
    const std::vector<std::string> lines = mConsole.lines();
    const sf::Time gameOverShown = lines.size() == linesSeen ? sinceNewestLine : sf::Time::Zero;
    EXPECT_TRUE(mWindow.isOpen()) << "a screen did not end by itself";
    EXPECT_GE(gameOverShown, sf::seconds(4.f) - step) << "the game-over screen was not shown";
    EXPECT_LE(gameOverShown, sf::seconds(4.f) + step);
    // Nothing else: the moment the lost game's field holds still adds no line.
    EXPECT_EQ(lines, loadingLines({ScreenMedia::Screen::Menu, ScreenMedia::Screen::Play,
                                   ScreenMedia::Screen::GameOver}));
}

// P, Down, Down, Enter in play: the pause menu's last entry ends the game, which
// counts for the best level, and the cycle ends without the game-over screen.
TEST_F(ScreenSequenceCycle, QuitToTitleFromThePauseMenuLeavesOutTheGameOverScreen)
{
    const std::size_t menuLines = loadingLines({ScreenMedia::Screen::Menu}).size();
    int frames = 0;
    bool sent = false;
    {
        FrameScript::AfterEachFrame script(
            [&](sf::Window&)
            {
                const auto tap = [&](sf::Keyboard::Key key)
                {
                    XWindowEvents::sendKey(mWindow, key, true);
                    XWindowEvents::sendKey(mWindow, key, false);
                };
                if (frames++ == 0)
                    tap(sf::Keyboard::Enter);
                if (!sent && mConsole.lines().size() > menuLines)
                {
                    sent = true;
                    for (sf::Keyboard::Key key : {sf::Keyboard::P, sf::Keyboard::Down,
                                                  sf::Keyboard::Down, sf::Keyboard::Enter})
                        tap(key);
                }
                FakeClock::advance(sf::seconds(0.01f));
                if (frames == 20000)
                    mWindow.close();
            });
        ScreenSequence::runCycle(mSession);
    }
    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_EQ(mConsole.lines(),
              loadingLines({ScreenMedia::Screen::Menu, ScreenMedia::Screen::Play}));
    ASSERT_TRUE(mSession.lastGame());
    EXPECT_EQ(mSession.lastGame()->reached, 1);
}
