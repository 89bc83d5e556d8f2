#include "app/Level.hpp"
#include "gameplay/Command.hpp"
#include "support/EventPump.hpp"
#include "support/FakeClock.hpp"
#include "support/NodeInternals.hpp"
#include "support/PlayScreen.hpp"
#include "support/SceneInspection.hpp"
#include "support/WindowCapture.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{
std::vector<SceneNode*> nodesOf(SceneNode& root)
{
    std::vector<SceneNode*> nodes;
    NodeInternals::forEachNode(root, [&](SceneNode& node) { nodes.push_back(&node); });
    return nodes;
}

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

// The window is made again for fullscreen: play goes on with the very same
// nodes, and their pictures are drawn into the new window, scaled.
TEST_F(PlayScreenStart, AFullscreenSwitchDuringPlayKeepsEveryNodeAndItsPicture)
{
    ScopedWorkingDirectory inMedia(TestFolders::withMedia());
    PlayScreen game(mSession);
    Level::nextLevel();
    SceneInspection::childOf(SceneInspection::childOf(game.sceneGraph(), 0), 0).destroy();
    FakeClock::advanceSeconds(3.5f);
    game.frame(sf::seconds(3.5f)); // the background leaves, the first enemy comes
    const std::vector<SceneNode*> before = nodesOf(game.sceneGraph());
    SceneNode& ship = SceneInspection::childOf(SceneInspection::childOf(game.sceneGraph(), 1), 0);
    const sf::FloatRect shipBounds = ship.getBoundingRect();

    XWindowEvents::sendKey(mWindow, sf::Keyboard::F11, true);
    ASSERT_TRUE(
        pumpUntil([&] { game.frame(sf::Time::Zero); }, [&] { return mSession.isFullscreen(); }));

    EXPECT_EQ(nodesOf(game.sceneGraph()), before);
    EXPECT_EQ(ship.getBoundingRect(), shipBounds);
    EXPECT_TRUE(game.isPlaying());
    EXPECT_EQ(Level::getLevel(), 2);

    mWindow.clear(sf::Color::Black);
    game.sceneGraph().draw(mWindow);
    const sf::Image frame = WindowCapture::grab(mWindow);
    const sf::Vector2i topLeft = mWindow.mapCoordsToPixel({shipBounds.left, shipBounds.top});
    const sf::Vector2i bottomRight = mWindow.mapCoordsToPixel(
        {shipBounds.left + shipBounds.width, shipBounds.top + shipBounds.height});
    ASSERT_GT(bottomRight.x - topLeft.x, shipBounds.width) << "the field is shown larger";
    // The ship's own picture, not a blank quad: many colours where it is drawn.
    std::set<sf::Uint32> colours;
    for (int y = topLeft.y; y < bottomRight.y; ++y)
        for (int x = topLeft.x; x < bottomRight.x; ++x)
            colours.insert(
                frame.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).toInteger());
    EXPECT_GT(colours.size(), 8u);
}
