#pragma once

#include "scene/SceneNode.hpp"

#include <SFML/System/Vector2.hpp>

// A scene node that moves on its own, at a velocity in pixels per second.
class Entity : public SceneNode
{
public:
    explicit Entity(sf::Vector2f velocity);
    ~Entity() override;

protected:
    sf::Vector2f mVelocity;
};
