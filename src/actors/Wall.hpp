#pragma once

#include "resources/ResourceCache.hpp"
#include "scene/Entity.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

// The line enemies must not cross: a still node lying just below the bottom
// edge of the field.
class Wall : public Entity
{
public:
    explicit Wall(ResourceCache* resources);
    ~Wall() override;

protected:
    void drawCurrent(sf::RenderWindow& window) override;
};
