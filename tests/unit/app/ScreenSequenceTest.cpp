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

#include <string>

namespace
{
// Inside the Play button of the menu image, drawn at the window's top-left corner.
const sf::Vector2i OnPlay(402, 547);
} // namespace

// The entry point's own cycle on the generated media, a twentieth of a second
// passing after each frame: the menu is left with a click on Play, play ends
// when the first enemy reaches the wall, and the game-over screen shows for
// its four seconds before the cycle ends with the window open.
TEST(ScreenSequenceCycle, EachScreenRunsInTurnAndTheGameOverScreenShowsForFourSeconds)
{
    const SharedState::Restorer restoresSharedState;
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
    TestSession session(window);
    ScopedWorkingDirectory inMedia(TestFolders::withMedia());
    ConsoleCapture console;
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
                    XWindowEvents::sendButton(window, sf::Mouse::Left, true, OnPlay);
                const std::size_t lines = console.lines().size();
                sinceNewestLine = lines == linesSeen ? sinceNewestLine + step : sf::Time::Zero;
                linesSeen = lines;
                FakeClock::advance(step);
                if (++frames == 20000)
                    window.close();
            });
        ScreenSequence::runCycle(session);
    }

    // Each screen loads its media when it is made, just before it runs: the
    // game-over screen's frames are the ones after its loading lines.
    const std::vector<std::string> lines = console.lines();
    const sf::Time gameOverShown = lines.size() == linesSeen ? sinceNewestLine : sf::Time::Zero;
    EXPECT_TRUE(window.isOpen()) << "a screen did not end by itself";
    EXPECT_GE(gameOverShown, sf::seconds(4.f) - step) << "the game-over screen was not shown";
    EXPECT_LE(gameOverShown, sf::seconds(4.f) + step);
    // One line for each file the screens load through their caches, in their order, and
    // nothing else: the moment the lost game's field holds still adds no line.
    std::vector<std::string> expected;
    for (const auto screen :
         {ScreenMedia::Screen::Menu, ScreenMedia::Screen::Play, ScreenMedia::Screen::GameOver})
        for (const ScreenMedia::File& file : ScreenMedia::of(screen))
            if (file.kind == ScreenMedia::Kind::Texture ||
                file.kind == ScreenMedia::Kind::SoundBuffer || file.kind == ScreenMedia::Kind::Font)
                expected.push_back(std::string(file.name) + " SUCCESFULLY loaded!");
    EXPECT_EQ(lines, expected);
}
