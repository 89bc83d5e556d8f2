#include "BusyLayer.hpp"

#include "actors/Enemy.hpp"
#include "actors/Missile.hpp"
#include "gameplay/Category.hpp"

#include <memory>
#include <random>
#include <vector>

namespace
{
// The ship starts at x = 400 and is 64 pixels wide; an enemy is 56 wide and
// fires from its centre line.
constexpr float ShipColumnLeft = 340.f;
constexpr float ShipColumnRight = 460.f;

const sf::Vector2f EnemyVelocities[] = {{0.f, 30.f}, {0.f, 60.f}, {0.f, 40.f}};
} // namespace

BusyLayer::BusyLayer(sf::RenderWindow* window, ResourceCache* resources)
    : mWindow(window), mResources(resources)
{
}

void BusyLayer::fill(std::size_t count, unsigned seed)
{
    mChildren.clear();
    if (count == 0)
        return;

    std::mt19937 random(seed);
    auto uniform = [&random](float from, float to)
    { return std::uniform_real_distribution<float>(from, to)(random); };

    // Roughly what a level looks like: two in five nodes are enemies, the
    // rest missiles, a little more of them the ship's than the enemies'.
    const std::size_t enemyCount = std::max<std::size_t>(1, count * 2 / 5);
    const std::size_t enemyMissileCount = std::min(count - enemyCount, count * 3 / 10);
    const std::size_t shipMissileCount = count - enemyCount - enemyMissileCount;

    std::vector<SceneNode*> enemies;
    for (std::size_t i = 0; i < enemyCount; ++i)
    {
        float x = uniform(0.f, 768.f - (ShipColumnRight - ShipColumnLeft));
        if (x >= ShipColumnLeft)
            x += ShipColumnRight - ShipColumnLeft;
        const int kind = static_cast<int>(i % 3);
        auto enemy =
            std::make_unique<Enemy>(mWindow, mResources, sf::Vector2f(x, uniform(-32.f, 380.f)),
                                    kind, EnemyVelocities[kind]);
        enemies.push_back(enemy.get());
        attachChild(std::move(enemy));
    }
    for (std::size_t i = 0; i < enemyMissileCount; ++i)
    {
        SceneNode& enemy = *enemies[i % enemies.size()];
        const sf::FloatRect bounds = enemy.getBoundingRect();
        enemy.attachChild(std::make_unique<Missile>(
            mWindow, mResources, bounds.left + bounds.width / 2.f,
            bounds.top + bounds.height + uniform(0.f, 250.f), 1, Category::EnemyMissile));
    }
    for (std::size_t i = 0; i < shipMissileCount; ++i)
        attachChild(std::make_unique<Missile>(mWindow, mResources, uniform(0.f, 794.f),
                                              uniform(100.f, 650.f), -1, Category::PlayerMissile));
}
