#include "actors/Enemy.hpp"

#include "actors/Missile.hpp"
#include "gameplay/Category.hpp"

#include <cassert>
#include <memory>

namespace
{
constexpr int BossKind = 3;
constexpr int FallbackFireOdds = 20;

// hit points = levelFactor x level + health bonus + extraHits;
// fire odds = truncate(delay offset + oddsBase), 20 once that reaches 0.
struct KindSetup
{
    Textures::ID texture;
    float scale;
    unsigned int levelFactor;
    unsigned int extraHits;
    double oddsBase;
};

constexpr KindSetup Setups[] = {
    {Textures::EnemyA, 0.3f, 0, 0, 2500.0},
    {Textures::EnemyB, 0.3f, 0, 1, 2100.0},
    {Textures::EnemyC, 0.3f, 0, 2, 1600.0},
    {Textures::BossA, 1.5f, 20, 0, 300.0},
};
} // namespace

Enemy::Enemy(sf::RenderWindow* window, ResourceCache* resources, sf::Vector2f position, int kind,
             sf::Vector2f velocity, const FireChance& fireChance)
    : Entity(velocity), mWindow(window), mResources(resources), mFireChance(&fireChance)
{
    mCategory = Category::Enemy;
    setupKind(resources, position, kind);
}

Enemy::~Enemy() = default;

void Enemy::setupKind(ResourceCache* resources, sf::Vector2f position, int kind)
{
    assert(kind >= 0 && kind <= BossKind);
    mSprite.setPosition(position);
    mKind = kind;

    const KindSetup& setup = Setups[kind];
    mSprite.setTexture(resources->get(setup.texture), false);
    mSprite.setScale(setup.scale, setup.scale);
    const auto level = static_cast<unsigned int>(Level::getLevel());
    const auto healthBonus = static_cast<unsigned int>(mLevel.getHealthBonus());
    mHitPoints = setup.levelFactor * level + healthBonus + setup.extraHits;
    mStartingHitPoints = mHitPoints;
    mFireOdds = static_cast<int>(mLevel.getDelayOffset() + setup.oddsBase);
    if (mFireOdds <= 0)
        mFireOdds = FallbackFireOdds;
}

bool Enemy::isOnLastHitPoint() const
{
    return mHitPoints == 1;
}

void Enemy::destroy()
{
    // Several hits may land in one frame; only the first that finds a hit
    // point left counts, so an enemy dies, drops and flags the boss once.
    if (mHitPoints == 0)
        return;

    --mHitPoints;
    if (mHitPoints != 0)
        return;

    const sf::Vector2f position = getSpritePosition();
    mPowerUpDropper.drop(mParent, mWindow, mResources, position.x, position.y);
    mDestroyed = true;
    if (mKind == BossKind)
        Level::toggleBossDefeated();
}

SceneNode::Health Enemy::getHealth() const
{
    return {mHitPoints, mStartingHitPoints, mKind == BossKind};
}

void Enemy::drawCurrent(sf::RenderWindow&)
{
    mWindow->draw(mSprite, sf::RenderStates::Default);
}

void Enemy::updateCurrent(sf::Time dt)
{
    applyVelocity(dt);
    tryFire(dt);
}

void Enemy::applyVelocity(sf::Time dt)
{
    mSprite.move(mVelocity * dt.asSeconds());
}

void Enemy::tryFire(sf::Time dt)
{
    if (mFireChance->fires(mFireOdds, dt))
        fire();
}

// The missile starts at the bottom edge, its left edge on the centre line.
void Enemy::fire()
{
    const sf::Vector2f position = mSprite.getPosition();
    const sf::FloatRect bounds = mSprite.getGlobalBounds();
    attachChild(std::make_unique<Missile>(mWindow, mResources, position.x + bounds.width / 2.f,
                                          position.y + bounds.height, 1, Category::EnemyMissile));
}
