#include "actors/Enemy.hpp"
#include "actors/Boss.hpp"
#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"
#include "support/TestNodes.hpp"

#include "support/ActorTestKit.hpp"
#include "support/SharedState.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

using TestNodes::BoxNode;

namespace
{
void startAtLevel(int level)
{
    Level().resetLevel();
    for (int i = 1; i < level; ++i)
        Level::nextLevel();
}

void clearBossFlag()
{
    if (Level().isBossDefeated())
        Level::toggleBossDefeated();
}
} // namespace

class EnemyTest : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    void SetUp() override
    {
        startAtLevel(1);
        clearBossFlag();
        PowerUpDropper::resetKillCount();
        std::srand(7);
    }

    template <typename Kind = Enemy>
    Inspectable<Kind>* spawn(int kind, sf::Vector2f position = {100.f, 50.f},
                             sf::Vector2f velocity = {0.f, 30.f})
    {
        return attachTo(root, std::make_unique<Inspectable<Kind>>(media.window(), media.cache(),
                                                                  position, kind, velocity));
    }

    // Hits until the enemy is flagged destroyed; checks that only the last
    // hit found it on its last hit point.
    static unsigned int hitsToKill(SceneNode& enemy)
    {
        unsigned int hits = 0;
        while (!enemy.isDestroyed() && hits < 10000)
        {
            const bool lastHitPoint = enemy.isOnLastHitPoint();
            enemy.destroy();
            ++hits;
            EXPECT_EQ(lastHitPoint, enemy.isDestroyed()) << "hit " << hits;
        }
        return hits;
    }

    ActorMedia media;
    BoxNode root;
};

using EnemySetup = EnemyTest;

TEST_F(EnemySetup, HitPointsAndFireOddsFollowKindAndLevel)
{
    struct Case
    {
        int level;
        unsigned int hits[4];
        int odds[4];
    };
    const Case cases[] = {
        {1, {1, 2, 3, 21}, {2400, 2000, 1500, 200}}, {2, {3, 4, 5, 43}, {2300, 1900, 1400, 100}},
        {3, {4, 5, 6, 64}, {2200, 1800, 1300, 20}},  {15, {22, 23, 24, 322}, {1000, 600, 100, 20}},
        {16, {24, 25, 26, 344}, {900, 500, 20, 20}}, {21, {31, 32, 33, 451}, {400, 20, 20, 20}},
        {25, {37, 38, 39, 537}, {20, 20, 20, 20}},
    };
    for (const Case& c : cases)
    {
        startAtLevel(c.level);
        for (int kind = 0; kind < 4; ++kind)
        {
            Inspectable<Enemy>* enemy = spawn(kind);
            EXPECT_EQ(enemy->getCategory(), Category::Enemy);
            EXPECT_EQ(enemy->getFireOdds(), c.odds[kind])
                << "level " << c.level << " kind " << kind;
            EXPECT_EQ(hitsToKill(*enemy), c.hits[kind]) << "level " << c.level << " kind " << kind;
        }
        Inspectable<Boss>* boss = spawn<Boss>(3, {200.f, -400.f}, {140.f, 40.f});
        EXPECT_EQ(boss->getFireOdds(), c.odds[3]) << "boss at level " << c.level;
        EXPECT_EQ(hitsToKill(*boss), c.hits[3]) << "boss at level " << c.level;
        root.update(sf::Time::Zero);
    }
}

TEST_F(EnemySetup, SizeFollowsKind)
{
    const Textures::ID textures[] = {Textures::EnemyA, Textures::EnemyB, Textures::EnemyC,
                                     Textures::BossA};
    const float scales[] = {0.3f, 0.3f, 0.3f, 1.5f};
    for (int kind = 0; kind < 4; ++kind)
    {
        const sf::FloatRect bounds = spawn(kind, {10.f, 20.f})->getBoundingRect();
        const sf::Vector2f size = media.textureSize(textures[kind]) * scales[kind];
        EXPECT_NEAR(bounds.width, size.x, 1e-3) << "kind " << kind;
        EXPECT_NEAR(bounds.height, size.y, 1e-3) << "kind " << kind;
        EXPECT_FLOAT_EQ(bounds.left, 10.f) << "kind " << kind;
        EXPECT_FLOAT_EQ(bounds.top, 20.f) << "kind " << kind;
    }
}

using EnemyDeath = EnemyTest;

TEST_F(EnemyDeath, HitsThatLeaveHitPointsMakeNoDeath)
{
    Inspectable<Enemy>* enemy = spawn(2); // three hits at level 1
    enemy->destroy();
    enemy->destroy();
    EXPECT_FALSE(enemy->isDestroyed());
    EXPECT_TRUE(enemy->isOnLastHitPoint());
    EXPECT_EQ(PowerUpDropper::sKillCount, 0);
}

TEST_F(EnemyDeath, ExtraHitsInTheSameFrameDropOnceAndCountOnce)
{
    PowerUpDropper::sKillCount = 6; // this death is the seventh
    Inspectable<Enemy>* enemy = spawn(0);
    enemy->destroy();
    enemy->destroy();
    enemy->destroy();

    EXPECT_TRUE(enemy->isDestroyed());
    EXPECT_FALSE(enemy->isOnLastHitPoint());
    EXPECT_EQ(enemy->getHitPoints(), 0u);
    EXPECT_EQ(PowerUpDropper::sKillCount, 0) << "a second death would have counted again";
    root.update(sf::Time::Zero);
    EXPECT_EQ(root.childCount(), 1u) << "exactly the one power-up remains";
}

TEST_F(EnemyDeath, OnlyTheBossesDeathMarksTheBossDefeatedAndOnlyOnce)
{
    for (int kind = 0; kind < 3; ++kind)
    {
        SceneNode& enemy = *spawn(kind);
        hitsToKill(enemy);
        EXPECT_FALSE(Level().isBossDefeated()) << "kind " << kind;
    }

    Inspectable<Boss>* boss = spawn<Boss>(3, {200.f, -400.f}, {140.f, 40.f});
    hitsToKill(*boss);
    EXPECT_TRUE(Level().isBossDefeated());
    boss->destroy(); // a further hit in the same frame
    EXPECT_TRUE(Level().isBossDefeated());
}

using EnemyFire = EnemyTest;

namespace
{
// Runs frames with a zero time step (nothing moves) until the enemy has fired.
bool runUntilFired(Inspectable<Enemy>& enemy, int maxFrames)
{
    for (int frame = 0; frame < maxFrames; ++frame)
    {
        enemy.update(sf::Time::Zero);
        if (enemy.childCount() > 0)
            return true;
    }
    return false;
}
} // namespace

TEST_F(EnemyFire, MissileStartsAtTheBottomEdgeOnTheCentreLineAndFallsAsAnEnemyMissile)
{
    Inspectable<Enemy>* enemy = spawn(1, {100.f, 50.f});
    ASSERT_TRUE(runUntilFired(*enemy, 100000));
    ASSERT_EQ(enemy->childCount(), 1u);

    SceneNode& missile = enemy->child(0);
    const sf::FloatRect body = enemy->getBoundingRect();
    EXPECT_EQ(missile.getCategory(), Category::EnemyMissile);
    EXPECT_FLOAT_EQ(missile.getSpritePosition().x, body.left + body.width / 2.f);
    EXPECT_FLOAT_EQ(missile.getSpritePosition().y, body.top + body.height);

    const float startY = missile.getSpritePosition().y;
    missile.update(sf::seconds(0.1f));
    EXPECT_FLOAT_EQ(missile.getSpritePosition().y, startY + 60.f);
}

TEST_F(EnemyFire, FiresInAboutOneFrameInItsFireOdds)
{
    struct Case
    {
        int level;
        int kind;
        int odds;
        int frames;
    };
    const Case cases[] = {
        {16, 2, 20, 20000},
        {15, 2, 100, 50000},
        {1, 0, 2400, 480000},
    };
    for (const Case& c : cases)
    {
        startAtLevel(c.level);
        Inspectable<Enemy>* enemy = spawn(c.kind);
        ASSERT_EQ(enemy->getFireOdds(), c.odds);
        int shots = 0;
        for (int frame = 0; frame < c.frames; ++frame)
        {
            enemy->update(sf::Time::Zero);
            // Only this frame's missiles are left: last frame's were flagged and are gone.
            shots += static_cast<int>(enemy->childCount());
            for (std::size_t i = 0; i < enemy->childCount(); ++i)
                enemy->child(i).destroy();
        }
        const int expected = c.frames / c.odds; // 1000, 500, 200
        EXPECT_NEAR(shots, expected, expected * 0.15) << "odds " << c.odds;
        enemy->destroy();
        root.update(sf::Time::Zero);
    }
}

// Steady, an enemy fires as often in a second at 30, 60 or 240 frames a second:
// three shots a second at fire odds 20, the chance of a frame at 60.
TEST_F(EnemyFire, SteadyFireIsTheSameInASecondAtAnyFrameRate)
{
    startAtLevel(16);
    const FireChance steady(FireChance::Pace::PerSecond);
    for (const int framesPerSecond : {30, 60, 240})
    {
        auto* enemy = attachTo(root, std::make_unique<Inspectable<Enemy>>(
                                         media.window(), media.cache(), sf::Vector2f(100.f, 50.f),
                                         2, sf::Vector2f(0.f, 0.f), steady));
        int shots = 0;
        for (int frame = 0; frame < 1000 * framesPerSecond; ++frame)
        {
            enemy->update(sf::seconds(1.f / static_cast<float>(framesPerSecond)));
            shots += static_cast<int>(enemy->childCount());
            for (std::size_t i = 0; i < enemy->childCount(); ++i)
                enemy->child(i).destroy();
        }
        EXPECT_NEAR(shots / 1000.0, 3.0, 0.3) << framesPerSecond << " frames a second";
        enemy->removeFromPlay();
    }
}

TEST_F(EnemyFire, MissilesInFlightVanishWithTheEnemy)
{
    Inspectable<Enemy>* enemy = spawn(0);
    ASSERT_TRUE(runUntilFired(*enemy, 100000));
    enemy->destroy();
    root.update(sf::Time::Zero);
    EXPECT_EQ(root.childCount(), 0u);
}

class BossCourse : public EnemyTest
{
protected:
    Inspectable<Boss>* bossAt(sf::Vector2f position)
    {
        return spawn<Boss>(3, position, {140.f, 40.f});
    }
    static float fieldWidth() { return static_cast<float>(Field::Width); }
};

TEST_F(BossCourse, DescendsStraightDownEvenWithItsRightEdgePastTheField)
{
    Inspectable<Boss>* boss = bossAt({fieldWidth() - 10.f, -400.f});
    for (int frame = 0; frame < 10; ++frame)
        boss->update(sf::seconds(0.1f));
    EXPECT_FLOAT_EQ(boss->getSpritePosition().x, fieldWidth() - 10.f);
    EXPECT_NEAR(boss->getSpritePosition().y, -360.f, 1e-3);
    EXPECT_FALSE(boss->isOnStation());
}

// Steps of 1/4 s: 10 px down, 35 px across.
TEST_F(BossCourse, TakesStationOnceBelowTheLineAtOneHundredThenPatrolsRight)
{
    Inspectable<Boss>* boss = bossAt({200.f, 90.f});

    boss->update(sf::seconds(0.25f));
    EXPECT_EQ(boss->getSpritePosition(), sf::Vector2f(200.f, 100.f));
    EXPECT_FALSE(boss->isOnStation()) << "exactly on the line is not below it";

    boss->update(sf::seconds(0.25f));
    EXPECT_EQ(boss->getSpritePosition(), sf::Vector2f(200.f, 110.f)) << "last vertical step";
    EXPECT_TRUE(boss->isOnStation());

    boss->update(sf::seconds(0.25f));
    EXPECT_EQ(boss->getSpritePosition(), sf::Vector2f(235.f, 110.f));
    boss->update(sf::seconds(0.25f));
    EXPECT_EQ(boss->getSpritePosition(), sf::Vector2f(270.f, 110.f));
}

TEST_F(BossCourse, OnStationPastTheRightEdgeItTurnsBeforeItsNextMove)
{
    const float width = media.textureSize(Textures::BossA).x * 1.5f;
    Inspectable<Boss>* boss = bossAt({fieldWidth() - width + 5.f, 150.f});

    boss->update(sf::seconds(0.25f)); // takes station
    ASSERT_TRUE(boss->isOnStation());
    const float x = boss->getSpritePosition().x;
    boss->update(sf::seconds(0.25f));
    EXPECT_FLOAT_EQ(boss->getSpritePosition().x, x - 35.f);
}

TEST_F(BossCourse, PatrolsBetweenBothEdgesAtItsStationHeight)
{
    const float dt = 1.f / 50.f;
    const float step = 140.f * dt;
    Inspectable<Boss>* boss = bossAt({200.f, -400.f});
    const float width = boss->getBoundingRect().width;

    float leftmost = 200.f;
    float rightmost = 200.f + width;
    float stationY = 0.f;
    for (int frame = 0; frame < 50 * 60; ++frame)
    {
        boss->update(sf::seconds(dt));
        const sf::Vector2f position = boss->getSpritePosition();
        if (!boss->isOnStation())
        {
            ASSERT_FLOAT_EQ(position.x, 200.f) << "frame " << frame;
            continue;
        }
        if (stationY == 0.f)
            stationY = position.y;
        ASSERT_FLOAT_EQ(position.y, stationY) << "frame " << frame;
        ASSERT_GE(position.x, -step - 1e-3f) << "frame " << frame;
        ASSERT_LE(position.x + width, fieldWidth() + step + 1e-3f) << "frame " << frame;
        leftmost = std::min(leftmost, position.x);
        rightmost = std::max(rightmost, position.x + width);
    }
    EXPECT_GT(stationY, 100.f);
    EXPECT_LT(stationY, 100.f + 40.f * dt + 1e-3f);
    EXPECT_LT(leftmost, 0.f) << "reached the left edge";
    EXPECT_GT(rightmost, fieldWidth()) << "reached the right edge";
}
