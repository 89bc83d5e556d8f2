#include "actors/Boss.hpp"

#include "foundation/Field.hpp"

namespace
{
constexpr float StationLine = 100.f;
}

// The patrol speed is held back until the boss reaches its station: it
// starts by moving straight down.
Boss::Boss(sf::RenderWindow* window, ResourceCache* resources, sf::Vector2f position, int kind,
           sf::Vector2f velocity, const FireChance& fireChance)
    : Enemy(window, resources, position, kind, sf::Vector2f(0.f, velocity.y), fireChance),
      mPatrolVelocity(velocity), mOnStation(false)
{
}

Boss::~Boss() = default;

void Boss::updateCurrent(sf::Time dt)
{
    tryFire(dt);
    bounceOffEdges();
    applyVelocity(dt);
    checkStation();
}

void Boss::bounceOffEdges()
{
    if (isPastRightEdge() || isPastLeftEdge())
        mVelocity.x = -mVelocity.x;
}

bool Boss::isPastRightEdge() const
{
    const float right = mSprite.getPosition().x + mSprite.getGlobalBounds().width;
    return right > static_cast<float>(Field::Width);
}

bool Boss::isPastLeftEdge() const
{
    return mSprite.getPosition().x < 0.f;
}

bool Boss::isBelowStationLine() const
{
    return mSprite.getPosition().y > StationLine;
}

void Boss::checkStation()
{
    if (isBelowStationLine() && !mOnStation)
    {
        mVelocity.y = 0.f;
        mVelocity.x = mPatrolVelocity.x;
        mOnStation = true;
    }
}
