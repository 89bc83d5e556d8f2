#include "presentation/BattleEffects.hpp"
#include "actors/Boss.hpp"
#include "actors/Enemy.hpp"
#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "gameplay/Category.hpp"
#include "support/SharedState.hpp"
#include "support/TestNodes.hpp"
#include "support/WindowCapture.hpp"
#include "support/WorkingDirectory.hpp"

#include "support/ActorTestKit.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using TestNodes::BoxNode;

namespace
{
// Sum of the red channel over an area of the image, clipped to it.
long redLight(const sf::Image& image, sf::IntRect area)
{
    sf::IntRect visible;
    area.intersects(sf::IntRect(0, 0, 800, 800), visible);
    long total = 0;
    for (int y = visible.top; y < visible.top + visible.height; ++y)
        for (int x = visible.left; x < visible.left + visible.width; ++x)
            total += image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).r;
    return total;
}
} // namespace

class BattleEffectsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Level().resetLevel();
        PowerUpDropper::resetKillCount();
    }

    // A one-hit enemy (kind 0 at level 1) whose bottom edge stands `gap` above the field's.
    Enemy* spawnAbove(float gap, SceneNode& parent)
    {
        const float height = media.textureSize(Textures::EnemyA).y * 0.3f;
        return attachTo(parent, std::make_unique<Enemy>(media.window(), media.cache(),
                                                        sf::Vector2f(385.f, 800.f - gap - height),
                                                        0, sf::Vector2f(0.f, 30.f)));
    }

    // The effects alone, over black.
    sf::Image drawn(const BattleEffects& effects)
    {
        media.window()->clear(sf::Color::Black);
        effects.draw(*media.window());
        return WindowCapture::grab(*media.window());
    }

    SharedState::Restorer mShared;
    ActorMedia media;
    BoxNode root;
};

TEST_F(BattleEffectsTest, KilledEnemyBurstsWhereItDiedForAtMostFourTenthsOfASecond)
{
    const std::vector<float> cases[] = {
        std::vector<float>(30, 1.f / 60.f), {0.2f, 0.2f, 0.2f}, {0.f, 0.f, 10.f}};
    for (const std::vector<float>& steps : cases)
    {
        SCOPED_TRACE(std::to_string(steps.size()) + " frames");
        BattleEffects effects;
        Enemy* enemy = spawnAbove(400.f, root);
        const sf::IntRect where(enemy->getBoundingRect());
        enemy->destroy();
        effects.update(sf::Time::Zero, root); // the kill frame, after the collision rules
        EXPECT_GT(redLight(drawn(effects), where), 0);

        sf::Time elapsed;
        for (float seconds : steps)
        {
            const sf::Time step = sf::seconds(seconds);
            root.update(step); // removes the enemy; its burst stays
            effects.update(step, root);
            elapsed += step;
            EXPECT_EQ(effects.burstCount(),
                      elapsed.asSeconds() <= ExplosionBurst::Lifetime ? 1u : 0u);
        }
        EXPECT_EQ(redLight(drawn(effects), sf::IntRect(0, 0, 800, 800)), 0);
    }
}

TEST_F(BattleEffectsTest, DrawnOnlyChangingNoCountTimerDropOrCollision)
{
    // The seventh death drops a power-up by the rule; another enemy glows near the bottom,
    // a third takes a hit it survives and flashes, and the boss shows its health.
    for (int kill = 0; kill < 6; ++kill)
        PowerUpDropper::countKill();
    Enemy* dying = spawnAbove(400.f, root);
    const Enemy* low = spawnAbove(20.f, root);
    Enemy* tough = attachTo(root, std::make_unique<Enemy>(media.window(), media.cache(),
                                                          sf::Vector2f(100.f, 300.f), 2,
                                                          sf::Vector2f(0.f, 40.f)));
    const Boss* boss = attachTo(root, std::make_unique<Boss>(media.window(), media.cache(),
                                                             sf::Vector2f(200.f, 50.f), 3,
                                                             sf::Vector2f(140.f, 40.f)));
    root.attachChild(
        std::make_unique<BoxNode>(sf::FloatRect(385.f, 380.f, 40.f, 40.f), Category::Player));
    dying->destroy();
    ASSERT_EQ(PowerUpDropper::sKillCount, 0) << "the drop came due and cleared the count";

    // What play depends on: the pairs to collide, the nodes, the count, the enemies.
    const auto state = [&]
    {
        std::set<SceneNode::Pair> pairs;
        root.collectCollisionPairs(root, pairs);
        return std::make_tuple(pairs, root.childCount(), PowerUpDropper::sKillCount,
                               low->getSpritePosition(), low->getHitPoints(), tough->getHitPoints(),
                               boss->getHitPoints(), boss->isOnStation());
    };
    BattleEffects effects;
    for (float step : {0.f, 0.1f, 0.4f}) // hits a flash apart
    {
        root.update(sf::seconds(step)); // the play frame's own walk comes first
        if (step > 0.f && tough->getHitPoints() > 1)
            tough->destroy(); // the rules' hit, before the effects look
        const auto before = state();
        std::srand(11);
        const int nextRandom = std::rand();
        std::srand(11);

        effects.update(sf::seconds(step), root);
        drawn(effects);

        EXPECT_TRUE(state() == before) << "the effects changed the scene or the count";
        EXPECT_EQ(std::rand(), nextRandom) << "the game's random sequence is untouched";
        EXPECT_EQ(effects.flashes().size(), step > 0.f ? 1u : 0u) << "the hit shows";
        EXPECT_EQ(effects.bossHealth(), 1.f);
    }
}

// Frames as the play screen runs them, the boss taking hits from the rules between them.
// The tick sounds only when the player chose it.
TEST_F(BattleEffectsTest, AHitItSurvivesFlashesForEightyMillisecondsAndTicksAtMostThatOften)
{
    struct Frame
    {
        float seconds; // since the frame before
        bool hit, flashing;
        int ticks;
    };
    const Frame frames[] = {
        {0.f, false, false, 0},    {0.016f, true, true, 1}, {0.05f, false, true, 1},
        {0.02f, true, true, 1}, // 0.07 s after the tick: no second, and no second flash
        {0.079f, false, false, 1}, {0.01f, true, false, 2}, // ticks, but flashes 3 a second
        {0.2f, true, true, 3},
    };
    ScopedWorkingDirectory inMedia(TestFolders::withMedia()); // where the hit's sound is
    for (const bool ticking : {false, true})
    {
        BattleEffects effects;
        effects.setHitSound(ticking);
        SceneNode scene;
        Boss* boss = attachTo(scene, std::make_unique<Boss>(media.window(), media.cache(),
                                                            sf::Vector2f(200.f, 50.f), 3,
                                                            sf::Vector2f(140.f, 40.f)));
        for (const Frame& frame : frames)
        {
            scene.update(sf::seconds(frame.seconds));
            if (frame.hit)
                boss->destroy();
            effects.update(sf::seconds(frame.seconds), scene);
            EXPECT_EQ(effects.flashes().size(), frame.flashing ? 1u : 0u) << frame.seconds;
            EXPECT_EQ(effects.hits().ticks(), ticking ? frame.ticks : 0) << frame.seconds;
        }
        EXPECT_EQ(effects.bossHealth(), (21.f - 4.f) / 21.f);
    }
}

// An enemy that takes hits as fast as it is asked to, and never dies of them.
class Target : public TestNodes::BoxNode
{
public:
    Target() : BoxNode(sf::FloatRect(300.f, 100.f, 60.f, 40.f), Category::Enemy) {}
    void hit() { --mLeft; }
    Health getHealth() const override { return {mLeft, 1000, false}; }

private:
    unsigned int mLeft = 1000;
};

// Five seconds of hits at 20 frames a second. A flash starts at most three times a second
// on one enemy; with less flashing, the tint starts where none shows and stays steady
// while the hits go on.
TEST_F(BattleEffectsTest, FlashesStartAtMostThreeTimesASecondOnOneEnemy)
{
    struct Case
    {
        int hitsPerSecond;
        bool steady;
        int starts;
    };
    const Case cases[] = {
        {1, false, 5},   {2, false, 10}, {4, false, 10}, {10, false, 13},
        {20, false, 15}, {1, true, 5},   {2, true, 1},   {20, true, 1},
    };
    const sf::Time frame = sf::milliseconds(50);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.hitsPerSecond) + (c.steady ? " steady" : ""));
        BattleEffects effects;
        effects.setReducedFlashing(c.steady);
        SceneNode scene;
        Target* target = attachTo(scene, std::make_unique<Target>());
        effects.update(sf::Time::Zero, scene); // first seen, before any hit
        std::set<int> tints;                   // the tint's strengths while the hits go on
        for (int n = 0; n < 100; ++n)
        {
            if (n % (20 / c.hitsPerSecond) == 0)
                target->hit();
            effects.update(frame, scene);
            const auto looks = effects.flashes();
            if (c.steady && c.hitsPerSecond >= 2)
            {
                ASSERT_EQ(looks.size(), 1u) << n;
                tints.insert(looks[0].getColor().a);
            }
        }
        EXPECT_EQ(effects.hits().starts(), c.starts);
        EXPECT_LE(tints.size(), 1u) << "a steady tint";
    }
}

// Where the game was lost, once play's last frame has been updated.
TEST_F(BattleEffectsTest, ALostGameBurstsWhereItWasLostForTheHoldAndNowhereElse)
{
    struct Case
    {
        bool shipLost;
        float enemyGap; // of the enemy's bottom edge above the field's; below it when negative
    };
    for (const Case c : {Case{true, 400.f}, Case{false, -4.f}, Case{false, 0.f}})
    {
        BoxNode scene;
        BoxNode* ship =
            attachTo(scene, std::make_unique<BoxNode>(sf::FloatRect(100.f, 700.f, 64.f, 64.f),
                                                      Category::Player));
        if (c.shipLost)
            ship->destroy();
        Enemy* enemy = spawnAbove(c.enemyGap, scene);
        if (c.enemyGap < 0.f)
            enemy->destroy(); // the wall's rule kills a one-hit enemy: it glows no more by itself
        BattleEffects effects;
        effects.update(sf::Time::Zero, scene);
        const bool shown = c.shipLost || c.enemyGap < 0.f;
        EXPECT_EQ(effects.showLoss(scene), shown);
        EXPECT_EQ(redLight(drawn(effects), sf::IntRect(ship->getBoundingRect())) > 0, c.shipLost);

        effects.advance(BattleEffects::LossHold - sf::milliseconds(1));
        EXPECT_EQ(effects.burstCount(), shown ? 1u : 0u) << "the burst lasts the hold";
        effects.advance(sf::milliseconds(2));
        EXPECT_EQ(effects.burstCount(), 0u);
        // Beneath the enemy the edge glows at full as long as the field holds still.
        const int left = static_cast<int>(enemy->getBoundingRect().left);
        EXPECT_EQ(redLight(drawn(effects), sf::IntRect(left, 797, 10, 3)) >= 3 * 250 * 10,
                  c.enemyGap <= 0.f);
    }
}

TEST_F(BattleEffectsTest, BottomEdgeGlowsBeneathAnEnemyBrighterAsItComesCloser)
{
    long previous = 0;
    for (float gap : {400.f, 150.f, 120.f, 75.f, 30.f, 0.f})
    {
        SCOPED_TRACE("gap " + std::to_string(gap));
        BoxNode scene;
        spawnAbove(gap, scene);
        BattleEffects effects;
        effects.update(sf::Time::Zero, scene);
        const sf::Image image = drawn(effects);

        const long beneath = redLight(image, sf::IntRect(385, 740, 30, 60));
        if (gap >= BattleEffects::GlowReach)
            EXPECT_EQ(beneath, 0);
        else
            EXPECT_GT(beneath, previous) << "brighter than one step further away";
        previous = beneath;
        // Beneath it only: nothing lit far to either side or high above the edge.
        EXPECT_EQ(redLight(image, sf::IntRect(0, 0, 250, 800)), 0);
        EXPECT_EQ(redLight(image, sf::IntRect(550, 0, 250, 800)), 0);
        EXPECT_EQ(redLight(image, sf::IntRect(0, 0, 800, 720)), 0);
    }
}
