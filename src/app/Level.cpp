#include "app/Level.hpp"

int Level::sLevel = 1;
bool Level::sBossDefeated = false;

int Level::getLevel()
{
    return sLevel;
}

void Level::nextLevel()
{
    ++sLevel;
}

void Level::resetLevel()
{
    sLevel = 1;
}

void Level::startAt(int level)
{
    sLevel = level < 1 ? 1 : level;
}

int Level::getHealthBonus() const
{
    return static_cast<int>(sLevel * 1.5);
}

float Level::getDelayOffset() const
{
    return static_cast<float>(-100 * sLevel);
}

bool Level::isBossDefeated() const
{
    return sBossDefeated;
}

void Level::toggleBossDefeated()
{
    sBossDefeated = !sBossDefeated;
}
