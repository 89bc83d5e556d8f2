#pragma once

#include "app/Level.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

class ResourceCache;
class SceneNode;

// Decides when and where enemies enter, and when the boss comes.
class EnemySpawner
{
public:
    EnemySpawner(sf::RenderWindow* window, ResourceCache* resources);

    void update(SceneNode* root);

private:
    sf::RenderWindow* mWindow;
    ResourceCache* mResources;
};
