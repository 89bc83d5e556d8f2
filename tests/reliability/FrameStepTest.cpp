#include "gameplay/Category.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/NodeInternals.hpp"
#include "support/PlayScreen.hpp"
#include "support/SharedState.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <vector>

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

namespace
{
// What was seen after a frame.
struct Look
{
    Census census;
    bool playing;
};

std::vector<sf::Time> steadyFrames(sf::Time span)
{
    return std::vector<sf::Time>(static_cast<std::size_t>(span / Step), Step);
}

std::vector<sf::Time> operator+(std::vector<sf::Time> first, const std::vector<sf::Time>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}
} // namespace

class HugeFrameStep : public ::testing::Test
{
protected:
    void SetUp() override
    {
        srand(11);
        mPlay = std::make_unique<PlayScreen>(mSession);
    }

    // Plays the screen's own loop with these times between its frames (the
    // first frame takes none), then ends play; returns what was seen after
    // each frame, up to the one that ended play if play ended by itself.
    std::vector<Look> play(const std::vector<sf::Time>& between)
    {
        std::vector<Look> looks;
        mPlay->runFrames(
            [&](int frame)
            {
                looks.push_back({now(), mPlay->isPlaying()});
                if (frame > static_cast<int>(between.size()))
                {
                    mPlay->endPlay();
                    return sf::Time::Zero;
                }
                return between[static_cast<std::size_t>(frame - 1)];
            });
        return looks;
    }

    Census now() { return census(mPlay->sceneGraph(), static_cast<float>(mWindow.getSize().y)); }

    SharedState::Restorer mRestoresSharedState;
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
    ScopedWorkingDirectory mInMedia{TestFolders::withMedia()};
    ConsoleCapture mConsole;
    std::unique_ptr<PlayScreen> mPlay;
};

// A frame that took no time changes nothing that moves, and play goes on.
TEST_F(HugeFrameStep, ZeroSecondFrameInPlayIsHarmless)
{
    const std::size_t steady = steadyFrames(sf::seconds(10.f)).size();
    const std::vector<Look> looks =
        play(steadyFrames(sf::seconds(10.f)) + std::vector<sf::Time>(2, sf::Time::Zero) +
             steadyFrames(sf::seconds(5.f)));
    ASSERT_GT(looks.size(), steady + 2);
    const Look& before = looks[steady];
    const Look& after = looks[steady + 2];
    ASSERT_TRUE(before.playing);
    std::cerr << "zero-second frames: before " << before.census << "; after " << after.census
              << std::endl;
    EXPECT_TRUE(after.playing);
    EXPECT_EQ(after.census.enemies, before.census.enemies);
}

// The process was stopped for ten seconds: the next frame moves everything ten
// seconds' worth at once. Nothing crashes, and the game either goes on or ends
// by its own rules.
TEST_F(HugeFrameStep, TenSecondFrameInPlayNeitherCrashesNorStrandsEnemies)
{
    const std::size_t steady = steadyFrames(sf::seconds(10.f)).size();
    const std::vector<Look> looks =
        play(steadyFrames(sf::seconds(10.f)) + std::vector<sf::Time>{sf::seconds(10.f), Step} +
             steadyFrames(sf::seconds(40.f)));
    ASSERT_GT(looks.size(), steady + 2) << "play ended before the long frame had been seen";
    const Look& before = looks[steady];
    const Look& after = looks[steady + 1];
    const Look& next = looks[steady + 2];
    ASSERT_TRUE(before.playing);
    std::cerr << "ten-second frame: before " << before.census << "; right after " << after.census
              << "; a frame later " << next.census << "; play "
              << (next.playing ? "goes on" : "has ended")
              << (after.playing ? "" : " (ended in the long frame)") << std::endl;
    EXPECT_EQ(next.census.enemiesBelowWindow, 0);
    std::cerr << "40 s later: " << looks.back().census << "; play "
              << (looks.back().playing ? "goes on" : "has ended") << std::endl;
}

// The same stop when the first enemy is about to reach the wall.
TEST_F(HugeFrameStep, TenSecondFrameWithAnEnemyNearTheWall)
{
    const std::size_t steady = steadyFrames(sf::seconds(26.f)).size();
    const std::vector<Look> looks =
        play(steadyFrames(sf::seconds(26.f)) + std::vector<sf::Time>{sf::seconds(10.f)} +
             steadyFrames(sf::seconds(40.f)));
    ASSERT_GT(looks.size(), steady + 1);
    const Look& before = looks[steady];
    const Look& after = looks[steady + 1];
    ASSERT_TRUE(before.playing);
    std::cerr << "ten-second frame near the wall: before " << before.census << "; right after "
              << after.census << "; play "
              << (after.playing ? "went on" : "ended in the long frame") << "; 40 s later "
              << looks.back().census << ", play "
              << (looks.back().playing ? "goes on" : "has ended") << std::endl;
    // Enemies carried past the wall in one step never meet it; the game-over
    // comes from one that lands on it, or from the next enemy to arrive.
    EXPECT_FALSE(looks.back().playing);
}
