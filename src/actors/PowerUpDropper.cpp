#include "actors/PowerUpDropper.hpp"

#include "actors/PowerUp.hpp"

#include <cassert>
#include <cstdlib>
#include <memory>

int PowerUpDropper::sKillCount = 0;

namespace
{
constexpr int KillsPerDrop = 7;
}

void PowerUpDropper::drop(SceneNode* parent, sf::RenderWindow* window, ResourceCache* resources,
                          float x, float y)
{
    countKill();
    if (!isDropDue())
        return;

    assert(parent != nullptr && "a dying enemy drops next to itself, so it must have a parent");
    auto enemyDrop = std::make_unique<PowerUp>(window, resources, x, y, randomKind());
    parent->attachChild(std::move(enemyDrop));
}

void PowerUpDropper::countKill()
{
    ++sKillCount;
}

bool PowerUpDropper::isDropDue()
{
    if (sKillCount >= KillsPerDrop)
    {
        resetKillCount();
        return true;
    }
    return false;
}

void PowerUpDropper::resetKillCount()
{
    sKillCount = 0;
}

int PowerUpDropper::randomKind()
{
    // rand() % 3 -> power-up kind: 0 fire rate, 1 speed, 2 extra ship.
    constexpr int KindByRoll[] = {1, 2, 0};
    return KindByRoll[std::rand() % 3];
}
