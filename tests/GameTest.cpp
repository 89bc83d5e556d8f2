#include "app/Level.hpp"
#include "gameplay/Command.hpp"
#include "support/EventPump.hpp"
#include "support/FakeClock.hpp"
#include "support/PlayScreen.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

class PlayScreenStart : public ::testing::Test
{
protected:
    void SetUp() override { mCaptured = std::cout.rdbuf(mConsole.rdbuf()); }
    void TearDown() override { std::cout.rdbuf(mCaptured); }

    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    Session mSession{mWindow};
    std::ostringstream mConsole;

private:
    std::streambuf* mCaptured = nullptr;
};

TEST_F(PlayScreenStart, WithoutMediaEveryLoadFailsInCatalogueOrder)
{
    ScopedWorkingDirectory inEmptyFolder(TestFolders::empty());
    PlayScreen game(mSession);

    const std::vector<std::string> expected = {
        "Media/Textures/playerShip.png failed to load",
        "Media/Textures/EnemyA.png failed to load",
        "Media/Textures/EnemyB.png failed to load",
        "Media/Textures/EnemyC.png failed to load",
        "Media/Textures/BossA.png failed to load",
        "Media/Textures/bolt.png failed to load",
        "Media/Textures/AddShip.png failed to load",
        "Media/Textures/BulletSpeed.png failed to load",
        "Media/Textures/beam.png failed to load",
        "Media/Textures/galaxy_X.png failed to load",
        "Media/Textures/Wall.png failed to load",
        "Media/SoundBuffers/laser.wav failed to load",
        "Media/SoundBuffers/explosion.wav failed to load",
        "Media/SoundBuffers/powerUp.wav failed to load",
        "Media/Fonts/Digital_tech.otf failed to load",
    };
    EXPECT_EQ(linesOf(mConsole.str()), expected);

    // Play goes on without the pictures and sounds.
    for (int i = 0; i < 10; ++i)
        game.frame(sf::seconds(0.016f));
    EXPECT_TRUE(game.isPlaying());
}

TEST_F(PlayScreenStart, RunOnAClosedWindowReturnsAtOnceAndResetsTheLevel)
{
    ScopedWorkingDirectory inEmptyFolder(TestFolders::empty());
    PlayScreen game(mSession);
    Level::nextLevel();
    Level::nextLevel();
    mWindow.close();

    game.run();

    EXPECT_EQ(Level::getLevel(), 1);
}

TEST_F(PlayScreenStart, ACloseRequestDuringPlayEndsRunResetsTheLevelAndStopsTheApp)
{
    ScopedWorkingDirectory inEmptyFolder(TestFolders::empty());
    PlayScreen game(mSession);
    Level::nextLevel();
    XWindowEvents::requestClose(mWindow);
    ASSERT_TRUE(
        pumpUntil([&] { game.frame(sf::seconds(0.01f)); }, [&] { return !mWindow.isOpen(); }));

    game.run();

    EXPECT_EQ(Level::getLevel(), 1);
    EXPECT_FALSE(Command::isRunning());
}
