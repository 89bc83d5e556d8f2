#pragma once

#include "resources/ResourceCache.hpp"
#include "scene/SceneNode.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

// The drop rule: every seventh enemy death since the count was last cleared
// leaves a power-up of a random kind. Holds no data; the count is shared by
// every enemy and every game of the program's run.
class PowerUpDropper
{
public:
    void drop(SceneNode* parent, sf::RenderWindow* window, ResourceCache* resources, float x,
              float y);

    static void countKill();
    static bool isDropDue();
    static void resetKillCount();
    static int randomKind();

    static int sKillCount;
};
