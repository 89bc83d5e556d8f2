#include "gameplay/EnemySpawner.hpp"

#include "resources/ResourceCache.hpp"
#include "scene/SceneNode.hpp"

EnemySpawner::EnemySpawner(sf::RenderWindow* window, ResourceCache* resources)
    : mWindow(window), mResources(resources)
{
}

void EnemySpawner::update(SceneNode*) {}
