#include "gameplay/EnemySpawner.hpp"
#include "actors/Boss.hpp"
#include "actors/Enemy.hpp"
#include "app/Level.hpp"
#include "foundation/GameClock.hpp"
#include "resources/ResourceCache.hpp"
#include "support/FakeClock.hpp"
#include "support/PlayMedia.hpp"
#include "support/SceneInspection.hpp"
#include "support/SharedState.hpp"
#include "support/TestNodes.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace
{
constexpr int BossKind = 3;

struct Spawn
{
    sf::Time at; // since the spawner was created
    Enemy* enemy;
    int kind;
    int level;
    sf::Vector2f position;
};

// Ordinary kinds differ only in hit points at a given level: the health bonus plus the kind.
int kindOf(Enemy& enemy)
{
    if (dynamic_cast<Boss*>(&enemy) != nullptr)
        return BossKind;
    return static_cast<int>(enemy.getHitPoints()) - Level().getHealthBonus();
}

void kill(Enemy& enemy)
{
    while (!enemy.isDestroyed())
        enemy.destroy();
}

// Where one second of the enemy's own update takes it.
sf::Vector2f velocityOf(Enemy& enemy)
{
    const sf::Vector2f before = enemy.getSpritePosition();
    enemy.update(sf::seconds(1.f));
    return enemy.getSpritePosition() - before;
}
} // namespace

// Drives a spawner frame by frame over the test clock, recording every enemy
// it hands to the root.
class SpawnerFixture : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    SpawnerFixture() { PlayMedia::loadInto(mResources); }

    void start(sf::RenderWindow& window)
    {
        mSpawner = std::make_unique<EnemySpawner>(&window, &mResources, mClock);
        mNow = sf::Time::Zero;
        mSpawns.clear();
    }
    void start() { start(TestWindow::shared()); }

    // Returns the enemies spawned in this frame.
    std::vector<Spawn> frame(sf::Time step)
    {
        FakeClock::advance(step);
        mNow += step;
        const std::size_t before = SceneInspection::childrenOf(mRoot).size();
        mSpawner->update(&mRoot);

        std::vector<Spawn> spawned;
        const std::vector<SceneNode*> children = SceneInspection::childrenOf(mRoot);
        for (std::size_t i = before; i < children.size(); ++i)
        {
            Enemy* enemy = dynamic_cast<Enemy*>(children[i]);
            EXPECT_NE(enemy, nullptr) << "the spawner only adds enemies";
            if (enemy != nullptr)
                spawned.push_back(
                    {mNow, enemy, kindOf(*enemy), Level::getLevel(), enemy->getSpritePosition()});
        }
        mSpawns.insert(mSpawns.end(), spawned.begin(), spawned.end());
        return spawned;
    }

    void runUntil(sf::Time end, sf::Time step)
    {
        while (mNow + step <= end)
            frame(step);
    }

    std::vector<Spawn> spawnsOfKind(int kind) const
    {
        std::vector<Spawn> found;
        for (const Spawn& spawn : mSpawns)
            if (spawn.kind == kind)
                found.push_back(spawn);
        return found;
    }

    GameClock mClock;
    ResourceCache mResources;
    TestNodes::BoxNode mRoot;
    std::unique_ptr<EnemySpawner> mSpawner;
    sf::Time mNow;
    std::vector<Spawn> mSpawns;
};

using SpawnerStart = SpawnerFixture;

TEST_F(SpawnerStart, FirstEnemyIsKindZeroJustAfterThreeSeconds)
{
    start();
    EXPECT_TRUE(frame(sf::Time::Zero).empty());
    EXPECT_TRUE(frame(sf::seconds(3.f)).empty()) << "exactly 3 s is not yet past";
    const std::vector<Spawn> spawned = frame(sf::microseconds(1));
    ASSERT_EQ(spawned.size(), 1u);
    EXPECT_EQ(spawned[0].kind, 0);
    EXPECT_EQ(spawned[0].position.y, -32.f);
    EXPECT_EQ(velocityOf(*spawned[0].enemy), sf::Vector2f(0.f, 30.f));
}

TEST_F(SpawnerStart, FirstPhaseChangeComesJustAfterTwentyOneSeconds)
{
    struct Case
    {
        sf::Time at;
        int kind;
    };
    // Frames every 0.5 s leave the last spawn at 17.5 s, so the next one is due at either time.
    for (const Case& c : {Case{sf::seconds(21.f), 0}, Case{sf::microseconds(21'001'000), 1}})
    {
        SCOPED_TRACE(c.at.asMicroseconds());
        start();
        runUntil(sf::seconds(20.5f), sf::seconds(0.5f));
        ASSERT_EQ(mSpawns.size(), 5u);
        const std::vector<Spawn> spawned = frame(c.at - mNow);
        ASSERT_EQ(spawned.size(), 1u);
        EXPECT_EQ(spawned[0].kind, c.kind);
    }
}

// A stale boss-defeated flag from an earlier game must not hold the new one in phase 0.
TEST_F(SpawnerStart, ClearsAStaleBossDefeatedFlag)
{
    for (bool staleFlag : {false, true})
    {
        SCOPED_TRACE(staleFlag ? "flag left set" : "flag clear");
        if (Level().isBossDefeated() != staleFlag)
            Level::toggleBossDefeated();
        start();
        EXPECT_FALSE(Level().isBossDefeated());
    }

    Level::toggleBossDefeated();
    start();
    runUntil(sf::seconds(24.5f), sf::seconds(0.5f));
    ASSERT_FALSE(mSpawns.empty());
    EXPECT_EQ(mSpawns.back().kind, 1) << "phase 1 follows phase 0 at the first tick";
    EXPECT_EQ(Level::getLevel(), 1);
}

struct TimelineCase
{
    sf::Time step;
    sf::Time bossAt; // three ticks, each in the first frame more than 21 s after the last
};

std::ostream& operator<<(std::ostream& out, const TimelineCase& c)
{
    return out << "step " << c.step.asMicroseconds() << " us";
}

class SpawnerTimeline : public SpawnerFixture, public ::testing::WithParamInterface<TimelineCase>
{
};

TEST_P(SpawnerTimeline, ThreePhasesOfOrdinaryEnemiesThenTheBossAlone)
{
    const sf::Time step = GetParam().step;
    start();
    runUntil(sf::seconds(63.f + 21.f * 4), step);

    struct PhaseKind
    {
        int kind;
        sf::Vector2f velocity;
        float from; // seconds, exclusive
    };
    const PhaseKind phases[] = {
        {0, {0.f, 30.f}, 3.f}, {1, {0.f, 60.f}, 21.f}, {2, {0.f, 40.f}, 42.f}};
    for (const PhaseKind& phase : phases)
    {
        SCOPED_TRACE("kind " + std::to_string(phase.kind));
        const std::vector<Spawn> spawns = spawnsOfKind(phase.kind);
        EXPECT_GE(spawns.size(), 6u);
        EXPECT_LE(spawns.size(), 7u);
        ASSERT_FALSE(spawns.empty());
        EXPECT_GT(spawns.front().at, sf::seconds(phase.from));
        EXPECT_EQ(velocityOf(*spawns.front().enemy), phase.velocity);
    }

    // Each ordinary enemy comes in the first frame more than 3 s after the previous one.
    for (std::size_t i = 1; i < mSpawns.size() && mSpawns[i].kind != BossKind; ++i)
    {
        const sf::Time gap = mSpawns[i].at - mSpawns[i - 1].at;
        EXPECT_GT(gap, sf::seconds(3.f));
        EXPECT_LE(gap, sf::seconds(3.f) + step);
        EXPECT_LE(mSpawns[i - 1].kind, mSpawns[i].kind) << "kinds come in phase order";
    }

    ASSERT_EQ(spawnsOfKind(BossKind).size(), 1u) << "one boss, however long it lives";
    const Spawn& boss = mSpawns.back();
    EXPECT_EQ(boss.kind, BossKind);
    EXPECT_EQ(boss.at, GetParam().bossAt);
    EXPECT_EQ(boss.position, sf::Vector2f(200.f, -400.f));
    EXPECT_EQ(boss.enemy->getHitPoints(), 21u);
    EXPECT_EQ(velocityOf(*boss.enemy), sf::Vector2f(0.f, 40.f)) << "it descends first";
    EXPECT_EQ(Level::getLevel(), 1) << "a boss never killed keeps the level";
}

INSTANTIATE_TEST_SUITE_P(
    FrameSteps, SpawnerTimeline,
    ::testing::Values(TimelineCase{sf::milliseconds(1), sf::microseconds(63'003'000)},
                      TimelineCase{sf::milliseconds(10), sf::microseconds(63'030'000)},
                      TimelineCase{sf::microseconds(16'667), sf::microseconds(3 * 1260 * 16'667)},
                      TimelineCase{sf::milliseconds(50), sf::microseconds(63'150'000)},
                      TimelineCase{sf::milliseconds(700), sf::microseconds(65'100'000)}),
    [](const ::testing::TestParamInfo<TimelineCase>& caseInfo)
    { return "Step" + std::to_string(caseInfo.param.step.asMicroseconds()) + "us"; });

struct BossDeathCase
{
    const char* name;
    sf::Time killedAt;
};

std::ostream& operator<<(std::ostream& out, const BossDeathCase& c)
{
    return out << c.name;
}

class SpawnerLevelRise : public SpawnerFixture, public ::testing::WithParamInterface<BossDeathCase>
{
};

// With 10 ms frames the ticks fall at 21.01, 42.02, 63.03 (boss), 84.04 ...
TEST_P(SpawnerLevelRise, BossDeathRaisesTheLevelAtTheNextTickWithAKindZeroEnemy)
{
    const sf::Time step = sf::milliseconds(10);
    start();
    runUntil(sf::microseconds(63'030'000), step);
    ASSERT_EQ(mSpawns.back().kind, BossKind);
    Enemy& boss = *mSpawns.back().enemy;

    runUntil(GetParam().killedAt, step);
    kill(boss);
    ASSERT_TRUE(Level().isBossDefeated());
    const std::size_t spawnsBeforeRise = mSpawns.size();

    runUntil(sf::microseconds(84'030'000), step);
    EXPECT_EQ(Level::getLevel(), 1);
    EXPECT_EQ(mSpawns.size(), spawnsBeforeRise) << "nothing spawns in the rest of the boss phase";

    const std::vector<Spawn> spawned = frame(step);
    EXPECT_EQ(Level::getLevel(), 2);
    EXPECT_FALSE(Level().isBossDefeated());
    ASSERT_EQ(spawned.size(), 1u) << "the spawn clock ran on through the boss phase";
    EXPECT_EQ(spawned[0].kind, 0);
    EXPECT_EQ(spawned[0].enemy->getHitPoints(), 3u) << "enemies read the new level";

    // The next level runs its phases again, boss included.
    runUntil(sf::microseconds(84'040'000 + 63'030'000 + 10'000), step);
    EXPECT_EQ(spawnsOfKind(BossKind).size(), 2u);
    EXPECT_EQ(mSpawns.back().enemy->getHitPoints(), 43u);
}

INSTANTIATE_TEST_SUITE_P(
    DeathTimes, SpawnerLevelRise,
    ::testing::Values(BossDeathCase{"KilledOnArrival", sf::microseconds(63'030'000)},
                      BossDeathCase{"KilledJustBeforeTheTick", sf::microseconds(84'030'000)}),
    [](const ::testing::TestParamInfo<BossDeathCase>& caseInfo) { return caseInfo.param.name; });

class SpawnerPosition : public SpawnerFixture
{
protected:
    // Each sample is the first enemy of a fresh spawner.
    std::vector<sf::Vector2f> sample(sf::RenderWindow& window, int count)
    {
        std::vector<sf::Vector2f> positions;
        for (int i = 0; i < count; ++i)
        {
            start(window);
            for (const Spawn& spawn : frame(sf::seconds(3.001f)))
                positions.push_back(spawn.position);
        }
        return positions;
    }
};

// The window only shows the field: however narrow or wide it is, enemies
// enter across the field's whole width less the 32 pixel margin.
TEST_F(SpawnerPosition, SpawnXLiesWithinTheFieldsWidthLessTheMarginWhateverTheWindow)
{
    for (const unsigned int width : {1u, 200u, 1600u})
    {
        sf::RenderWindow window(sf::VideoMode(width, 300, 32), "Vantorix spawner test");
        std::srand(7);

        const std::vector<sf::Vector2f> positions = sample(window, 300);
        ASSERT_EQ(positions.size(), 300u);
        float largest = 0.f;
        for (const sf::Vector2f& position : positions)
        {
            EXPECT_GE(position.x, 0.f) << "window width " << width;
            EXPECT_LE(position.x, 767.f) << "window width " << width;
            EXPECT_EQ(position.x, std::floor(position.x));
            EXPECT_EQ(position.y, -32.f);
            largest = std::max(largest, position.x);
        }
        // The whole range is used, not some corner of it.
        EXPECT_GE(largest, 767.f * 0.9f) << "window width " << width;
    }
}
