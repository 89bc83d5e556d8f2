#include "actors/PowerUp.hpp"
#include "actors/Enemy.hpp"
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
#include <set>

using TestNodes::BoxNode;

class PowerUpFall : public ::testing::Test
{
protected:
    Inspectable<PowerUp>* drop(float x, float y, int kind)
    {
        return attachTo(root, std::make_unique<Inspectable<PowerUp>>(media.window(), media.cache(),
                                                                     x, y, kind));
    }

    ActorMedia media;
    BoxNode root;
};

TEST_F(PowerUpFall, EveryKindLooksItsPartAndIsCentredOnWhereItWasDropped)
{
    struct Case
    {
        int kind;
        int category;
        Textures::ID texture;
        float scale;
    };
    const Case cases[] = {
        {0, Category::ExtraShipPowerUp, Textures::AddShip, 0.09f},
        {1, Category::FireRatePowerUp, Textures::BulletSpeed, 1.f},
        {2, Category::SpeedPowerUp, Textures::Bolt, 1.f},
    };
    for (const Case& c : cases)
    {
        const PowerUp* powerUp = drop(300.f, 200.f, c.kind);
        const sf::Vector2f size = media.textureSize(c.texture) * c.scale;
        const sf::FloatRect bounds = powerUp->getBoundingRect();
        EXPECT_EQ(powerUp->getCategory(), c.category) << "kind " << c.kind;
        EXPECT_NEAR(bounds.width, size.x, 1e-3) << "kind " << c.kind;
        EXPECT_NEAR(bounds.height, size.y, 1e-3) << "kind " << c.kind;
        EXPECT_NEAR(bounds.left + bounds.width / 2.f, 300.f, 1e-3) << "kind " << c.kind;
        EXPECT_NEAR(bounds.top + bounds.height / 2.f, 200.f, 1e-3) << "kind " << c.kind;
    }
}

TEST_F(PowerUpFall, FallsAtThreeHundredPixelsPerSecondAndTurnsClockwiseOnceInOnePointEightSeconds)
{
    const auto turnedFromStart = [](float rotation)
    { return std::min(rotation, 360.f - rotation); };
    for (int kind : {0, 1, 2})
    {
        Inspectable<PowerUp>* powerUp = drop(100.f, 0.f, kind);
        powerUp->update(sf::seconds(0.1f));
        // Clockwise on screen, where y points down.
        EXPECT_NEAR(powerUp->sprite().getRotation(), 20.f, 1e-3) << "kind " << kind;
        for (int frame = 1; frame < 9; ++frame)
            powerUp->update(sf::seconds(0.1f));
        EXPECT_NEAR(turnedFromStart(powerUp->sprite().getRotation()), 180.f, 1e-2)
            << "kind " << kind << " half way";
        for (int frame = 0; frame < 9; ++frame)
            powerUp->update(sf::seconds(0.1f));

        EXPECT_NEAR(powerUp->getSpritePosition().y, 540.f, 1e-2) << "kind " << kind;
        EXPECT_FLOAT_EQ(powerUp->getSpritePosition().x, 100.f) << "kind " << kind;
        EXPECT_NEAR(turnedFromStart(powerUp->sprite().getRotation()), 0.f, 1e-2) << "kind " << kind;
        powerUp->destroy();
        root.update(sf::Time::Zero);
    }
}

// A step of 1/16 s is 18.75 px, exact in floats.
TEST_F(PowerUpFall, IsRemovedInTheFirstUpdateThatTakesItsCentreBelowTheField)
{
    const float height = static_cast<float>(Field::Height);
    drop(100.f, height - 18.75f, 2);

    root.update(sf::seconds(1.f / 16.f));
    EXPECT_EQ(root.childCount(), 1u) << "centre exactly on the bottom edge";
    root.update(sf::seconds(1.f / 16.f));
    EXPECT_EQ(root.childCount(), 0u);
}

// The drop rule, driven through real enemy deaths: at level 1 a kind 0 enemy
// dies from one hit.
class DropRule : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    void SetUp() override
    {
        Level().resetLevel();
        PowerUpDropper::resetKillCount();
        std::srand(1);
    }

    // Kills enemies one after another; returns how many power-ups appeared after each death.
    std::vector<std::size_t> killEnemies(int count)
    {
        std::vector<std::size_t> powerUpsAfter;
        for (int i = 0; i < count; ++i)
        {
            Enemy* enemy = attachTo(root, std::make_unique<Enemy>(media.window(), media.cache(),
                                                                  sf::Vector2f(50.f, 60.f), 0,
                                                                  sf::Vector2f(0.f, 30.f)));
            enemy->destroy();
            root.update(sf::Time::Zero);
            powerUpsAfter.push_back(root.childCount());
        }
        return powerUpsAfter;
    }

    ActorMedia media;
    BoxNode root;
};

TEST_F(DropRule, EverySeventhDeathDropsOnePowerUpAndClearsTheCount)
{
    const std::vector<std::size_t> powerUps = killEnemies(14);
    const std::vector<std::size_t> expected = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 2};
    EXPECT_EQ(powerUps, expected);
    EXPECT_EQ(PowerUpDropper::sKillCount, 0);
}

TEST_F(DropRule, DropAppearsCentredOnTheDeadEnemysPosition)
{
    killEnemies(7);
    ASSERT_EQ(root.childCount(), 1u);
    const sf::FloatRect bounds = root.child(0).getBoundingRect();
    EXPECT_NEAR(bounds.left + bounds.width / 2.f, 50.f, 1e-3);
    EXPECT_NEAR(bounds.top + bounds.height / 2.f, 60.f, 1e-3);
}

TEST_F(DropRule, ClearingTheCountPutsTheNextDropSevenDeathsAway)
{
    killEnemies(5);
    PowerUpDropper::resetKillCount(); // as when the player loses a ship
    const std::vector<std::size_t> powerUps = killEnemies(7);
    const std::vector<std::size_t> expected = {0, 0, 0, 0, 0, 0, 1};
    EXPECT_EQ(powerUps, expected);
}

TEST_F(DropRule, TwoDeathsInOneFrameAsSeventhAndEighthDropOnce)
{
    killEnemies(6);
    Enemy* first = attachTo(root, std::make_unique<Enemy>(media.window(), media.cache(),
                                                          sf::Vector2f(10.f, 10.f), 0,
                                                          sf::Vector2f(0.f, 30.f)));
    Enemy* second = attachTo(root, std::make_unique<Enemy>(media.window(), media.cache(),
                                                           sf::Vector2f(90.f, 10.f), 0,
                                                           sf::Vector2f(0.f, 30.f)));
    first->destroy();
    second->destroy();
    root.update(sf::Time::Zero);
    EXPECT_EQ(root.childCount(), 1u);
    EXPECT_EQ(PowerUpDropper::sKillCount, 1);
}

TEST(PowerUpKind, RandomRollMapsToFireRateSpeedAndExtraShip)
{
    // rand() % 3 -> kind
    const int expectedKind[] = {1, 2, 0};
    std::set<int> rollsSeen;
    for (unsigned int seed = 1; seed < 100 && rollsSeen.size() < 3; ++seed)
    {
        std::srand(seed);
        const int roll = std::rand() % 3;
        std::srand(seed);
        EXPECT_EQ(PowerUpDropper::randomKind(), expectedKind[roll]) << "rand() % 3 = " << roll;
        rollsSeen.insert(roll);
    }
    EXPECT_EQ(rollsSeen.size(), 3u);
}

TEST(PowerUpKind, DroppedPowerUpIsOfTheRolledKind)
{
    SharedState::Restorer restoresKillCount;
    ActorMedia media;
    const int categoryByRoll[] = {Category::FireRatePowerUp, Category::SpeedPowerUp,
                                  Category::ExtraShipPowerUp};
    std::set<int> rollsSeen;
    for (unsigned int seed = 1; seed < 100 && rollsSeen.size() < 3; ++seed)
    {
        std::srand(seed);
        const int roll = std::rand() % 3;
        std::srand(seed);
        BoxNode root;
        PowerUpDropper dropper;
        PowerUpDropper::sKillCount = 6;
        dropper.drop(&root, media.window(), media.cache(), 0.f, 0.f);
        ASSERT_EQ(root.childCount(), 1u);
        EXPECT_EQ(root.child(0).getCategory(), categoryByRoll[roll]) << "rand() % 3 = " << roll;
        rollsSeen.insert(roll);
    }
    EXPECT_EQ(rollsSeen.size(), 3u);
}
