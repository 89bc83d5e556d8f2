#include "presentation/BattleEffects.hpp"
#include "actors/Enemy.hpp"
#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "gameplay/Category.hpp"
#include "support/TestNodes.hpp"
#include "support/WindowCapture.hpp"

#include "ActorTestKit.hpp"

#include <gtest/gtest.h>

#include <algorithm>
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
    long total = 0;
    for (int y = std::max(area.top, 0);
         y < std::min(area.top + area.height, static_cast<int>(image.getSize().y)); ++y)
        for (int x = std::max(area.left, 0);
             x < std::min(area.left + area.width, static_cast<int>(image.getSize().x)); ++x)
            total += image.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).r;
    return total;
}

sf::IntRect around(const sf::FloatRect& bounds, int margin)
{
    return sf::IntRect(
        static_cast<int>(bounds.left) - margin, static_cast<int>(bounds.top) - margin,
        static_cast<int>(bounds.width) + 2 * margin, static_cast<int>(bounds.height) + 2 * margin);
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

    // A one-hit enemy (kind 0 at level 1) with its top-left corner at the position.
    Enemy* spawn(sf::Vector2f position)
    {
        return attachTo(root, std::make_unique<Enemy>(media.window(), media.cache(), position, 0,
                                                      sf::Vector2f(0.f, 30.f)));
    }

    // An enemy whose bottom edge stands `gap` units above the field's bottom edge.
    Enemy* spawnAbove(float gap) { return spawn({385.f, 800.f - gap - enemyHeight()}); }

    float enemyHeight() { return media.textureSize(Textures::EnemyA).y * 0.3f; }

    // The effects alone, over black.
    sf::Image drawn(const BattleEffects& effects)
    {
        sf::RenderWindow& window = *media.window();
        window.clear(sf::Color::Black);
        effects.draw(window);
        return WindowCapture::grab(window);
    }

    ActorMedia media;
    BoxNode root;
};

TEST_F(BattleEffectsTest, KilledEnemyBurstsWhereItDiedForAtMostFourTenthsOfASecond)
{
    struct Case
    {
        const char* name;
        std::vector<float> steps; // seconds, one frame each after the kill
    };
    const Case cases[] = {
        {"300 fps", std::vector<float>(150, 1.f / 300.f)},
        {"60 fps", std::vector<float>(30, 1.f / 60.f)},
        {"5 fps", {0.2f, 0.2f, 0.2f}},
        {"zero steps, then a hitch", {0.f, 0.f, 10.f}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        BattleEffects effects;
        Enemy* enemy = spawn({300.f, 200.f});
        const sf::FloatRect bounds = enemy->getBoundingRect();
        enemy->destroy();
        effects.update(sf::Time::Zero, root); // the kill frame, after the collision rules
        ASSERT_EQ(effects.burstCount(), 1u);
        EXPECT_GT(redLight(drawn(effects), around(bounds, 0)), 0);

        root.update(sf::Time::Zero); // the enemy leaves the scene; its burst stays
        float elapsed = 0.f;
        for (float step : c.steps)
        {
            elapsed += step;
            root.update(sf::seconds(step));
            effects.update(sf::seconds(step), root);
            if (elapsed <= ExplosionBurst::Lifetime)
            {
                EXPECT_EQ(effects.burstCount(), 1u) << elapsed << " s after the kill";
            }
            // Seen until it has all but faded out.
            if (elapsed < 0.9f * ExplosionBurst::Lifetime)
            {
                EXPECT_GT(redLight(drawn(effects), around(bounds, 0)), 0) << elapsed;
            }
        }
        ASSERT_GT(elapsed, 0.4f);
        EXPECT_EQ(effects.burstCount(), 0u);
        EXPECT_EQ(redLight(drawn(effects), sf::IntRect(0, 0, 800, 800)), 0);
    }
}

TEST_F(BattleEffectsTest, DrawnOnlyChangingNoCountTimerDropOrCollision)
{
    // The seventh death drops a power-up by the rule; another enemy glows near the bottom.
    for (int kill = 0; kill < 6; ++kill)
        PowerUpDropper::countKill();
    Enemy* dying = spawn({300.f, 200.f});
    Enemy* low = spawnAbove(20.f);
    auto ship =
        std::make_unique<BoxNode>(sf::FloatRect(300.f, 210.f, 40.f, 40.f), Category::Player);
    root.attachChild(std::move(ship));
    dying->destroy();
    ASSERT_EQ(PowerUpDropper::sKillCount, 0) << "the drop came due and cleared the count";

    // What play depends on: the pairs to collide, the nodes, the count, the low enemy.
    const auto state = [&]
    {
        std::set<SceneNode::Pair> pairs;
        root.collectCollisionPairs(root, pairs);
        return std::make_tuple(pairs, root.childCount(), PowerUpDropper::sKillCount,
                               low->getSpritePosition().y, low->getHitPoints());
    };

    BattleEffects effects;
    const float steps[] = {0.f, 0.1f, 0.1f};
    for (std::size_t frame = 0; frame < 3; ++frame)
    {
        const sf::Time step = sf::seconds(steps[frame]);
        if (frame > 0)
            root.update(step); // the play frame's own walk comes first
        const auto before = state();
        std::srand(11);
        const int nextRandom = std::rand();
        std::srand(11);

        effects.update(step, root);
        drawn(effects);

        EXPECT_TRUE(state() == before) << "the effects changed the scene or the count";
        EXPECT_EQ(std::rand(), nextRandom) << "the game's random sequence is untouched";
    }
    EXPECT_EQ(effects.burstCount(), 1u);
}

TEST_F(BattleEffectsTest, BottomEdgeGlowsBeneathAnEnemyBrighterAsItComesCloser)
{
    // Gaps between the enemy's bottom edge and the field's, in field units.
    const float gaps[] = {400.f, 150.f, 120.f, 75.f, 30.f, 0.f};
    long previous = 0;
    for (float gap : gaps)
    {
        SCOPED_TRACE("gap " + std::to_string(gap));
        BoxNode scene;
        const Enemy* enemy = attachTo(
            scene, std::make_unique<Enemy>(media.window(), media.cache(),
                                           sf::Vector2f(385.f, 800.f - gap - enemyHeight()), 0,
                                           sf::Vector2f()));
        const sf::FloatRect bounds = enemy->getBoundingRect();
        ASSERT_NEAR(800.f - bounds.top - bounds.height, gap, 1e-3f);

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
