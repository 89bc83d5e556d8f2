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

    // The picture's bounds; without its picture the wall keeps the size of the
    // game's own, so that an enemy reaching it still ends play.
    sf::FloatRect getBoundingRect() const override;

protected:
    void drawCurrent(sf::RenderWindow& window) override;
};
