#include "gameplay/Category.hpp"
#include "support/FakeClock.hpp"
#include "support/NodeInternals.hpp"
#include "support/PlayScreen.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <sstream>

namespace
{
const sf::Time Step = sf::seconds(0.05f);

struct Census
{
    std::size_t nodes = 0;
    int enemies = 0;
    int enemiesBelowWindow = 0;
    int missiles = 0;
};

Census census(SceneNode& root, float windowHeight)
{
    Census counted;
    NodeInternals::forEachNode(root,
                               [&](SceneNode& node)
                               {
                                   ++counted.nodes;
                                   const int category = node.getCategory();
                                   if (category == Category::Enemy)
                                   {
                                       ++counted.enemies;
                                       if (node.getSpritePosition().y > windowHeight)
                                           ++counted.enemiesBelowWindow;
                                   }
                                   if (category == Category::PlayerMissile ||
                                       category == Category::EnemyMissile)
                                       ++counted.missiles;
                               });
    return counted;
}

std::ostream& operator<<(std::ostream& out, const Census& counted)
{
    return out << counted.nodes << " nodes, " << counted.enemies << " enemies ("
               << counted.enemiesBelowWindow << " below the window), " << counted.missiles
               << " missiles";
}
} // namespace

class HugeFrameStep : public ::testing::Test
{
protected:
    void SetUp() override
    {
        srand(11);
        mPrevious = std::cout.rdbuf(mConsole.rdbuf());
        mPlay = std::make_unique<PlayScreen>(mSession);
    }
    void TearDown() override
    {
        mPlay.reset();
        std::cout.rdbuf(mPrevious);
    }

    void frame(sf::Time step)
    {
        FakeClock::advance(step);
        mPlay->frame(step);
    }

    void playFor(sf::Time span)
    {
        for (sf::Time played; played < span && mPlay->isPlaying(); played += Step)
            frame(Step);
    }

    Census now() { return census(mPlay->sceneGraph(), static_cast<float>(mWindow.getSize().y)); }

    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    Session mSession{mWindow};
    ScopedWorkingDirectory mInMedia{TestFolders::withMedia()};
    std::ostringstream mConsole;
    std::streambuf* mPrevious = nullptr;
    std::unique_ptr<PlayScreen> mPlay;
};

// A frame that took no time changes nothing that moves, and play goes on.
TEST_F(HugeFrameStep, ZeroSecondFrameInPlayIsHarmless)
{
    playFor(sf::seconds(10.f));
    ASSERT_TRUE(mPlay->isPlaying());
    const Census before = now();
    frame(sf::Time::Zero);
    frame(sf::Time::Zero);
    const Census after = now();
    std::cerr << "zero-second frames: before " << before << "; after " << after << std::endl;
    EXPECT_TRUE(mPlay->isPlaying());
    EXPECT_EQ(after.enemies, before.enemies);
    playFor(sf::seconds(5.f));
}

// The process was stopped for ten seconds: the next frame moves everything ten
// seconds' worth at once. Nothing crashes, and the game either goes on or ends
// by its own rules.
TEST_F(HugeFrameStep, TenSecondFrameInPlayNeitherCrashesNorStrandsEnemies)
{
    playFor(sf::seconds(10.f));
    ASSERT_TRUE(mPlay->isPlaying());
    const Census before = now();
    frame(sf::seconds(10.f));
    const Census after = now();
    const bool stillPlaying = mPlay->isPlaying();
    frame(Step);
    const Census next = now();
    std::cerr << "ten-second frame: before " << before << "; right after " << after
              << "; a frame later " << next << "; play "
              << (mPlay->isPlaying() ? "goes on" : "has ended")
              << (stillPlaying ? "" : " (ended in the long frame)") << std::endl;
    EXPECT_EQ(next.enemiesBelowWindow, 0);
    playFor(sf::seconds(40.f));
    std::cerr << "40 s later: " << now() << "; play "
              << (mPlay->isPlaying() ? "goes on" : "has ended") << std::endl;
}

// The same stop when the first enemy is about to reach the wall.
TEST_F(HugeFrameStep, TenSecondFrameWithAnEnemyNearTheWall)
{
    playFor(sf::seconds(26.f));
    ASSERT_TRUE(mPlay->isPlaying());
    const Census before = now();
    frame(sf::seconds(10.f));
    const Census after = now();
    const bool endedInLongFrame = !mPlay->isPlaying();
    playFor(sf::seconds(40.f));
    std::cerr << "ten-second frame near the wall: before " << before << "; right after " << after
              << "; play " << (endedInLongFrame ? "ended in the long frame" : "went on")
              << "; 40 s later " << now() << ", play "
              << (mPlay->isPlaying() ? "goes on" : "has ended") << std::endl;
    // Enemies carried past the wall in one step never meet it; the game-over
    // comes from one that lands on it, or from the next enemy to arrive.
    EXPECT_FALSE(mPlay->isPlaying());
}
