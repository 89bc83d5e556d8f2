#include "actors/Enemy.hpp"
#include "actors/Player.hpp"
#include "actors/PowerUpDropper.hpp"
#include "actors/Wall.hpp"
#include "gameplay/Category.hpp"
#include "support/PlayScreen.hpp"
#include "support/SceneInspection.hpp"
#include "support/SharedState.hpp"
#include "support/TestNodes.hpp"
#include "support/TestWindow.hpp"
#include "support/WorkingDirectory.hpp"

#include <SFML/Audio/Sound.hpp>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using Log = std::vector<std::string>;

// A box that records what the rules ask of it and answers their questions as told.
class Probe : public TestNodes::BoxNode
{
public:
    Probe(sf::FloatRect area, int category, Log& log, std::string name = {})
        : BoxNode(area, category), mLog(log), mName(std::move(name))
    {
    }

    void rename(std::string name) { mName = std::move(name); }

    void destroy() override
    {
        note("destroy");
        BoxNode::destroy();
    }
    bool isGameOver() override
    {
        note("isGameOver");
        return gameOver;
    }
    bool isOnLastHitPoint() const override
    {
        note("isOnLastHitPoint");
        return lastHitPoint;
    }

    bool gameOver = false;
    bool lastHitPoint = false;

protected:
    void applyPowerUpCurrent(int kind) override { note("power" + std::to_string(kind)); }
    void resetPowerUpsCurrent() override { note("reset"); }

private:
    void note(const std::string& what) const { mLog.push_back(mName + ":" + what); }

    Log& mLog;
    std::string mName;
};

// Far from the ship, the wall and where enemies enter.
const sf::FloatRect ProbeArea(100.f, 200.f, 40.f, 40.f);
} // namespace

// A play screen with media; no time passes, so the spawner adds nothing.
class PlayScreenFixture : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    PlayScreenFixture() : mInMedia(TestFolders::withMedia()), mGame(TestWindow::sharedSession()) {}

    SceneNode& root() { return mGame.sceneGraph(); }
    Player& firstShip()
    {
        return dynamic_cast<Player&>(
            SceneInspection::childOf(SceneInspection::childOf(root(), 1), 0));
    }
    Wall& wall() { return dynamic_cast<Wall&>(SceneInspection::childOf(root(), 2)); }

    template <typename Node> Node& add(std::unique_ptr<Node> node)
    {
        Node& added = *node;
        root().attachChild(std::move(node));
        return added;
    }

    // A box of the given category laid over the middle of a node.
    TestNodes::BoxNode& boxOver(const SceneNode& node, int category)
    {
        const sf::FloatRect bounds = node.getBoundingRect();
        return add(std::make_unique<TestNodes::BoxNode>(
            sf::FloatRect(bounds.left + bounds.width / 2 - 2, bounds.top + bounds.height / 2 - 2, 4,
                          4),
            category));
    }

    // Enemies here stand still: only the collision rules act on them.
    Enemy& enemyAt(sf::Vector2f position, int kind)
    {
        return add(std::make_unique<Enemy>(&TestWindow::shared(), &mGame.resources(), position,
                                           kind, sf::Vector2f(0.f, 0.f)));
    }

    Player& secondShip()
    {
        return dynamic_cast<Player&>(
            SceneInspection::childOf(SceneInspection::childOf(root(), 1), 1));
    }

    ScopedWorkingDirectory mInMedia;
    PlayScreen mGame;
};

namespace
{
enum Play
{
    Plays,
    Ends
};
enum KillCount
{
    KeepsCount,
    ClearsCount
};
enum Sound
{
    Silent,
    Explodes
};
} // namespace

struct RuleCase
{
    const char* name;
    int first;
    int second;
    bool gameOverAnswer; // what the first node says when asked
    bool lastHitPointAnswer;
    Log expected;
    Play play;
    KillCount killCount;
    Sound sound;
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c)
{
    return out << c.name;
}

class CollisionRule : public PlayScreenFixture,
                      public ::testing::WithParamInterface<std::tuple<RuleCase, bool>>
{
};

// "a" is the node of the rule's first category, "b" the other. The pair set
// orders nodes by address, so placing "a" below or above "b" in memory hands
// the rules the pair in either order.
TEST_P(CollisionRule, ActsOnBothNodesInTheRulesOrderWhicheverWayThePairComes)
{
    const RuleCase& rule = std::get<0>(GetParam());
    const bool firstAtLowerAddress = std::get<1>(GetParam());
    Log log;
    auto one = std::make_unique<Probe>(ProbeArea, -1, log);
    auto two = std::make_unique<Probe>(ProbeArea, -1, log);
    if ((one.get() < two.get()) != firstAtLowerAddress)
        std::swap(one, two);
    std::unique_ptr<Probe> a = std::move(one);
    std::unique_ptr<Probe> b = std::move(two);
    a->rename("a");
    a->setCategory(rule.first);
    b->rename("b");
    b->setCategory(rule.second);
    a->gameOver = rule.gameOverAnswer;
    a->lastHitPoint = rule.lastHitPointAnswer;
    add(std::move(a));
    add(std::move(b));
    PowerUpDropper::sKillCount = 5;

    mGame.handleCollisions();

    EXPECT_EQ(log, rule.expected);
    EXPECT_EQ(mGame.isPlaying(), rule.play == Plays);
    EXPECT_EQ(PowerUpDropper::sKillCount, rule.killCount == ClearsCount ? 0 : 5);
    EXPECT_EQ(mGame.explosionSound().getStatus() == sf::Sound::Playing, rule.sound == Explodes);
}

// The seven rules, in their order, with each answer the first node can give.
// clang-format off
const RuleCase Rules[] = {
    // name                                 first              second                      gameOver lastHit
    {"EnemyHitByPlayerMissileSurvives",     Category::Enemy,  Category::PlayerMissile,    false, false,
     {"a:isOnLastHitPoint", "a:destroy", "b:destroy"},                                     Plays,   KeepsCount,  Silent},
    {"EnemyOnLastHitPointExplodes",         Category::Enemy,  Category::PlayerMissile,    false, true,
     {"a:isOnLastHitPoint", "a:destroy", "b:destroy"},                                     Plays,   KeepsCount,  Explodes},
    {"ShipHitByEnemyMissile",               Category::Player, Category::EnemyMissile,     false, false,
     {"a:destroy", "b:destroy", "a:isGameOver"},                                           Plays,   ClearsCount, Silent},
    {"LastShipHitByEnemyMissileEndsPlay",   Category::Player, Category::EnemyMissile,     true,  false,
     {"a:destroy", "b:destroy", "a:isGameOver"},                                           Ends,    ClearsCount, Silent},
    {"ExtraShipPickedUp",                   Category::Player, Category::ExtraShipPowerUp, false, false,
     {"a:power0", "b:destroy"},                                                            Plays,   KeepsCount,  Silent},
    {"FireRatePickedUp",                    Category::Player, Category::FireRatePowerUp,  false, false,
     {"a:power1", "b:destroy"},                                                            Plays,   KeepsCount,  Silent},
    {"SpeedPickedUp",                       Category::Player, Category::SpeedPowerUp,     false, false,
     {"a:power2", "b:destroy"},                                                            Plays,   KeepsCount,  Silent},
    // Game over is asked before the reset walk, which would put the ship count back to 1.
    {"ShipRamsEnemy",                       Category::Player, Category::Enemy,            false, false,
     {"a:destroy", "b:destroy", "a:isGameOver", "a:reset", "b:reset"},                     Plays,   ClearsCount, Silent},
    {"LastShipRamsEnemyEndsPlay",           Category::Player, Category::Enemy,            true,  false,
     {"a:destroy", "b:destroy", "a:isGameOver", "a:reset", "b:reset"},                     Ends,    ClearsCount, Silent},
    {"EnemyReachesWallEndsPlay",            Category::Enemy,  Category::Wall,             false, false,
     {"a:destroy", "b:destroy", "a:reset", "b:reset"},                                     Ends,    ClearsCount, Silent},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rules, CollisionRule,
                         ::testing::Combine(::testing::ValuesIn(Rules), ::testing::Bool()),
                         [](const auto& caseInfo)
                         {
                             return std::string(std::get<0>(caseInfo.param).name) +
                                    (std::get<1>(caseInfo.param) ? "_FirstAtLowerAddress"
                                                                 : "_FirstAtHigherAddress");
                         });

struct InertCase
{
    const char* name;
    int first;
    int second;
};

std::ostream& operator<<(std::ostream& out, const InertCase& c)
{
    return out << c.name;
}

class CollisionWithoutRule : public PlayScreenFixture,
                             public ::testing::WithParamInterface<InertCase>
{
};

TEST_P(CollisionWithoutRule, OverlapDoesNothing)
{
    Log log;
    Probe& a = add(std::make_unique<Probe>(ProbeArea, GetParam().first, log, "a"));
    Probe& b = add(std::make_unique<Probe>(ProbeArea, GetParam().second, log, "b"));
    a.gameOver = b.gameOver = true;
    a.lastHitPoint = b.lastHitPoint = true;
    PowerUpDropper::sKillCount = 5;

    mGame.handleCollisions();

    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_FALSE(a.isDestroyed());
    EXPECT_FALSE(b.isDestroyed());
    EXPECT_TRUE(mGame.isPlaying());
    EXPECT_EQ(PowerUpDropper::sKillCount, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, CollisionWithoutRule,
    ::testing::Values(
        InertCase{"TwoEnemies", Category::Enemy, Category::Enemy},
        InertCase{"TwoShips", Category::Player, Category::Player},
        InertCase{"ShipAndOwnMissile", Category::Player, Category::PlayerMissile},
        InertCase{"EnemyAndOwnMissile", Category::Enemy, Category::EnemyMissile},
        InertCase{"TwoPlayerMissiles", Category::PlayerMissile, Category::PlayerMissile},
        InertCase{"PlayerAndEnemyMissile", Category::PlayerMissile, Category::EnemyMissile},
        InertCase{"MissileAndPowerUp", Category::PlayerMissile, Category::ExtraShipPowerUp},
        InertCase{"EnemyMissileAndPowerUp", Category::EnemyMissile, Category::SpeedPowerUp},
        InertCase{"EnemyAndPowerUp", Category::Enemy, Category::FireRatePowerUp},
        InertCase{"TwoPowerUps", Category::ExtraShipPowerUp, Category::FireRatePowerUp},
        InertCase{"ShipAndWall", Category::Player, Category::Wall},
        InertCase{"MissileAndWall", Category::PlayerMissile, Category::Wall},
        InertCase{"EnemyMissileAndWall", Category::EnemyMissile, Category::Wall},
        InertCase{"PowerUpAndWall", Category::SpeedPowerUp, Category::Wall},
        InertCase{"UncategorisedAndShip", -1, Category::Player}),
    [](const ::testing::TestParamInfo<InertCase>& caseInfo) { return caseInfo.param.name; });

// The real actors, several pairs in one frame.
using CollisionsInOneFrame = PlayScreenFixture;

TEST_F(CollisionsInOneFrame, MissileOverlappingTwoEnemiesHitsBoth)
{
    Enemy& left = enemyAt(sf::Vector2f(100.f, 200.f), 1);
    const sf::FloatRect bounds = left.getBoundingRect();
    Enemy& right = enemyAt(sf::Vector2f(100.f + bounds.width / 2, 200.f), 1);
    TestNodes::BoxNode& missile = add(std::make_unique<TestNodes::BoxNode>(
        sf::FloatRect(100.f, 200.f + bounds.height / 2, bounds.width, 4.f),
        Category::PlayerMissile));

    mGame.handleCollisions();

    EXPECT_EQ(left.getHitPoints(), 1u);
    EXPECT_EQ(right.getHitPoints(), 1u);
    EXPECT_TRUE(missile.isDestroyed());
    EXPECT_NE(mGame.explosionSound().getStatus(), sf::Sound::Playing) << "nobody died";
}

TEST_F(CollisionsInOneFrame, LastHitPointEnemyStruckTwiceDiesOnceWithOneExplosion)
{
    Enemy& enemy = enemyAt(sf::Vector2f(100.f, 200.f), 0);
    TestNodes::BoxNode& first = boxOver(enemy, Category::PlayerMissile);
    TestNodes::BoxNode& second = boxOver(enemy, Category::PlayerMissile);
    ASSERT_TRUE(enemy.isOnLastHitPoint());
    PowerUpDropper::sKillCount = 0;

    mGame.handleCollisions();

    EXPECT_TRUE(enemy.isDestroyed());
    EXPECT_EQ(enemy.getHitPoints(), 0u);
    EXPECT_FALSE(enemy.isOnLastHitPoint());
    EXPECT_EQ(PowerUpDropper::sKillCount, 1) << "one death counted towards a drop";
    EXPECT_TRUE(first.isDestroyed());
    EXPECT_TRUE(second.isDestroyed());
    EXPECT_EQ(mGame.explosionSound().getStatus(), sf::Sound::Playing);
    EXPECT_EQ(mGame.explosionSound().getBuffer(), &mGame.resources().get(SoundBuffers::Explosion));
}

TEST_F(CollisionsInOneFrame, EnemyAtTheWallEndsPlayAndTakesTheBonuses)
{
    Player::sFireRate = 3.5f;
    Player::sSpeed = sf::Vector2f(520.f, 0.f);
    const sf::FloatRect wallBounds = wall().getBoundingRect();
    Enemy& enemy = enemyAt(sf::Vector2f(10.f, wallBounds.top - 20.f), 2);

    mGame.handleCollisions();

    EXPECT_FALSE(mGame.isPlaying());
    EXPECT_TRUE(wall().isDestroyed());
    EXPECT_EQ(enemy.getHitPoints(), 2u) << "one hit point, not a kill";
    EXPECT_EQ(Player::sFireRate, 2.f);
    EXPECT_EQ(Player::sSpeed, Player::sDefaultSpeed);
}

TEST_F(CollisionsInOneFrame, LastShipLostByRammingEndsPlay)
{
    const sf::FloatRect ship = firstShip().getBoundingRect();
    Enemy& enemy = enemyAt(sf::Vector2f(ship.left, ship.top), 1);

    mGame.handleCollisions();

    EXPECT_FALSE(mGame.isPlaying());
    EXPECT_TRUE(firstShip().isDestroyed());
    EXPECT_EQ(Player::sShipCount, 1) << "re-armed for the next game";
    EXPECT_EQ(enemy.getHitPoints(), 1u);
}

TEST_F(CollisionsInOneFrame, RammingWithAShipToSpareCostsTheBonusesAndTheEnemyAHitPoint)
{
    firstShip().applyPowerUp(0); // a second ship, to the right of the first
    ASSERT_EQ(Player::sShipCount, 2);
    Player::sFireRate = 3.f;
    Player::sSpeed = sf::Vector2f(480.f, 0.f);
    // The enemy's right edge on the first ship's centre line, clear of the second ship.
    const sf::FloatRect ship = firstShip().getBoundingRect();
    const float enemyWidth =
        static_cast<float>(mGame.resources().get(Textures::EnemyC).getSize().x) * 0.3f;
    Enemy& enemy = enemyAt(sf::Vector2f(ship.left + ship.width / 2 - enemyWidth, ship.top), 2);
    ASSERT_FALSE(secondShip().getBoundingRect().intersects(enemy.getBoundingRect()));

    mGame.handleCollisions();

    EXPECT_TRUE(mGame.isPlaying());
    EXPECT_TRUE(firstShip().isDestroyed());
    EXPECT_FALSE(secondShip().isDestroyed());
    EXPECT_FALSE(enemy.isDestroyed());
    EXPECT_EQ(enemy.getHitPoints(), 2u);
    EXPECT_EQ(Player::sShipCount, 1);
    EXPECT_EQ(Player::sFireRate, 2.f);
    EXPECT_EQ(Player::sSpeed, Player::sDefaultSpeed);
}

TEST_F(CollisionsInOneFrame, WithTwoShipsLosingOneToAMissileLetsPlayGoOn)
{
    firstShip().applyPowerUp(0);
    Player::sFireRate = 3.f;
    boxOver(firstShip(), Category::EnemyMissile);

    mGame.handleCollisions();

    EXPECT_TRUE(mGame.isPlaying());
    EXPECT_EQ(Player::sShipCount, 1);
    EXPECT_EQ(Player::sFireRate, 3.f) << "a lost ship keeps the bonuses";

    boxOver(secondShip(), Category::EnemyMissile);
    mGame.handleCollisions();

    EXPECT_FALSE(mGame.isPlaying());
    EXPECT_EQ(Player::sShipCount, 1);
    EXPECT_EQ(Player::sFireRate, 2.f);
}

TEST_F(CollisionsInOneFrame, ShipStruckByTwoMissilesIsLostOnce)
{
    firstShip().applyPowerUp(0);
    boxOver(firstShip(), Category::EnemyMissile);
    boxOver(firstShip(), Category::EnemyMissile);

    mGame.handleCollisions();

    EXPECT_TRUE(mGame.isPlaying()) << "the unharmed ship plays on";
    EXPECT_EQ(Player::sShipCount, 1);
    EXPECT_FALSE(secondShip().isDestroyed());
}
