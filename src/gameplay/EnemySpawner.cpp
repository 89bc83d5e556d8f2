#include "gameplay/EnemySpawner.hpp"

#include "actors/Boss.hpp"
#include "actors/Enemy.hpp"
#include "foundation/Field.hpp"
#include "resources/ResourceCache.hpp"
#include "scene/SceneNode.hpp"

#include <cstdlib>
#include <memory>

namespace
{
// Enemies enter with their top edge this far above the field, and a spawn x
// leaves this much room at the right edge.
constexpr unsigned int SpawnMargin = 32;
} // namespace

EnemySpawner::EnemySpawner(sf::RenderWindow* window, ResourceCache* resources,
                           const GameClock& clock, const FireChance& fireChance)
    : mWindow(window), mResources(resources), mFireChance(&fireChance),
      mSpawnElapsed(sf::Time::Zero), mPhaseElapsed(sf::Time::Zero), mPhaseClock(clock),
      mSpawnClock(clock), mPhase(0), mSpawnInterval(3), mPhaseDuration(21), mBossSpawned(false)
{
    // The flag outlives a game: a game that ended after its boss died but before
    // the level rose would otherwise leave this one unable to leave phase 0.
    if (mLevel.isBossDefeated())
        Level::toggleBossDefeated();
}

void EnemySpawner::update(SceneNode* root)
{
    updatePhase();
    switch (mPhase)
    {
    case 0:
        if (isSpawnDue())
        {
            mBossSpawned = false;
            root->attachChild(std::make_unique<Enemy>(mWindow, mResources, randomSpawnPosition(), 0,
                                                      sf::Vector2f(0.f, 30.f), *mFireChance));
        }
        break;
    case 1:
        if (isSpawnDue())
            root->attachChild(std::make_unique<Enemy>(mWindow, mResources, randomSpawnPosition(), 1,
                                                      sf::Vector2f(0.f, 60.f), *mFireChance));
        break;
    case 2:
        if (isSpawnDue())
            root->attachChild(std::make_unique<Enemy>(mWindow, mResources, randomSpawnPosition(), 2,
                                                      sf::Vector2f(0.f, 40.f), *mFireChance));
        break;
    case 3:
        // The boss ignores the spawn clock: it enters in the first frame of its phase.
        if (!mBossSpawned)
        {
            mBossSpawned = true;
            const sf::Vector2f position(static_cast<float>(Field::Width / 4),
                                        -static_cast<float>(Field::Height / 2));
            root->attachChild(std::make_unique<Boss>(mWindow, mResources, position, 3,
                                                     sf::Vector2f(140.f, 40.f), *mFireChance));
        }
        break;
    default:
        break;
    }
}

// The phase clock restarts at every tick, whether or not the phase changes.
void EnemySpawner::updatePhase()
{
    mPhaseElapsed = mPhaseClock.getElapsedTime();
    if (mPhaseElapsed.asSeconds() > static_cast<float>(mPhaseDuration))
    {
        mPhase = nextPhase();
        mPhaseElapsed = mPhaseClock.restart();
    }
}

int EnemySpawner::nextPhase()
{
    switch (mPhase)
    {
    case 0:
        return 1;
    case 1:
        return 2;
    case 2:
        return 3;
    case 3:
        if (!mLevel.isBossDefeated())
            return 3;
        Level::toggleBossDefeated();
        Level::nextLevel();
        return 0;
    default:
        return mPhase;
    }
}

// The spawn clock runs on through the boss phase, so the first frame of a new
// level finds a spawn due at once.
bool EnemySpawner::isSpawnDue()
{
    mSpawnElapsed = mSpawnClock.getElapsedTime();
    if (mSpawnElapsed.asSeconds() > static_cast<float>(mSpawnInterval))
    {
        mSpawnClock.restart();
        return true;
    }
    return false;
}

sf::Vector2f EnemySpawner::randomSpawnPosition() const
{
    const unsigned int x = static_cast<unsigned int>(std::rand()) % (Field::Width - SpawnMargin);
    return sf::Vector2f(static_cast<float>(x), -static_cast<float>(SpawnMargin));
}
