#pragma once

#include "resources/ResourceCache.hpp"
#include "scene/SceneNode.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstddef>

// A plain layer under which the benchmarks build a busy play field: enemies
// spread over the upper field with their missiles in flight below them, and
// the ship's missiles on their way up. Enemies keep out of the ship's column,
// so nothing aimed at the ship arrives within a short run. Being one layer,
// it can be emptied and filled again between runs without touching the play
// screen's own nodes.
class BusyLayer : public SceneNode
{
public:
    BusyLayer(sf::RenderWindow* window, ResourceCache* resources);

    // Replaces the layer's content by `count` nodes placed by `seed`.
    void fill(std::size_t count, unsigned seed);

private:
    sf::RenderWindow* mWindow; // the benchmark's window outlives the layer
    ResourceCache* mResources; // the play screen's cache outlives the layer
};
