// The play screen's collision rules: what happens to each pair of nodes that
// overlap in a frame, as one table read from the first rule to the last; and
// the loss a reserve stands in for, with the ship it brings back.
#include "gameplay/Game.hpp"

#include "actors/Player.hpp"
#include "actors/PowerUpDropper.hpp"
#include "gameplay/Command.hpp"
#include "sound/Effects.hpp"

#include <set>
#include <utility>

namespace
{
void pickUp(SceneNode& ship, SceneNode& powerUp, int kind)
{
    ship.applyPowerUp(kind);
    powerUp.destroy();
}

// Ramming an enemy and an enemy at the wall both take every bonus away.
void takeBonuses(SceneNode& root)
{
    root.resetPowerUps();
    PowerUpDropper::resetKillCount();
}
} // namespace

void Game::handleCollisions()
{
    struct Rule
    {
        Category::Type first;
        Category::Type second;
        void (*react)(Game& game, SceneNode& first, SceneNode& second);
    };

    // A pair is handled by the first rule it matches, its nodes in the rule's order.
    static const Rule rules[] = {
        {Category::Enemy, Category::PlayerMissile,
         [](Game& game, SceneNode& enemy, SceneNode& missile)
         {
             if (enemy.isOnLastHitPoint())
                 Effects::play(game.mExplosionSound);
             enemy.destroy();
             missile.destroy();
         }},
        {Category::Player, Category::EnemyMissile,
         [](Game& game, SceneNode& ship, SceneNode& missile)
         {
             if (ship.isUntouchable())
                 return;
             ship.destroy();
             missile.destroy();
             PowerUpDropper::resetKillCount();
             if (ship.isGameOver())
                 game.loseLastShip();
         }},
        {Category::Player, Category::ExtraShipPowerUp,
         [](Game&, SceneNode& ship, SceneNode& powerUp) { pickUp(ship, powerUp, 0); }},
        {Category::Player, Category::FireRatePowerUp,
         [](Game&, SceneNode& ship, SceneNode& powerUp) { pickUp(ship, powerUp, 1); }},
        {Category::Player, Category::SpeedPowerUp,
         [](Game&, SceneNode& ship, SceneNode& powerUp) { pickUp(ship, powerUp, 2); }},
        {Category::Player, Category::Enemy,
         [](Game& game, SceneNode& ship, SceneNode& enemy)
         {
             if (ship.isUntouchable())
                 return;
             ship.destroy();
             enemy.destroy();
             // Asked before the reset walk, which puts the ship count back to 1:
             // losing the last ship by ramming ends play at once.
             const bool lastShipLost = ship.isGameOver();
             takeBonuses(game.mSceneGraph);
             if (lastShipLost)
                 game.loseLastShip();
         }},
        {Category::Enemy, Category::Wall,
         [](Game& game, SceneNode& enemy, SceneNode& wall)
         {
             // A reserve stands in for the game: the enemy is taken off the field,
             // not killed, and the ships keep what they have.
             if (game.mReserves.standIn())
             {
                 enemy.removeFromPlay();
                 return;
             }
             enemy.destroy();
             wall.destroy();
             takeBonuses(game.mSceneGraph);
             game.mRunning = false;
         }},
    };

    std::set<SceneNode::Pair> collisionPairs;
    mSceneGraph.collectCollisionPairs(mSceneGraph, collisionPairs);
    for (SceneNode::Pair pair : collisionPairs)
    {
        for (const Rule& rule : rules)
        {
            if (matchesCategories(pair, rule.first, rule.second))
            {
                rule.react(*this, *pair.first, *pair.second);
                break;
            }
        }
    }
}

// A reserve stands in for the last ship while one is left: the bonuses go, as on
// a ram, and a ship comes back after the burst.
void Game::loseLastShip()
{
    if (!mReserves.standIn())
    {
        mRunning = false;
        return;
    }
    takeBonuses(mSceneGraph);
    mReserves.sendShipBack();
}

// Blinking and untouchable for a while, flying as the keys the scene was last
// handed say: what a replay hands again, so the ship comes back the same.
void Game::bringShipBack()
{
    auto ship = std::make_unique<Player>(mWindow, &mResources, shipStart(), mClock);
    ship->comeBackUntouchable(ShipReserves::UntouchableFor);
    for (std::size_t i = 0; i < Command::PlayKeys.size(); ++i)
        ship->handleInput(Command::PlayKeys[i], mHeld[i]);
    mPlayerLayer->attachChild(std::move(ship));
}

bool Game::matchesCategories(SceneNode::Pair& pair, Category::Type type1, Category::Type type2)
{
    const int category1 = pair.first->getCategory();
    const int category2 = pair.second->getCategory();
    if (category1 == type1 && category2 == type2)
        return true;
    if (category1 == type2 && category2 == type1)
    {
        std::swap(pair.first, pair.second);
        return true;
    }
    return false;
}
