#pragma once

#include "resources/ResourceCache.hpp"
#include "scene/Entity.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

// A bonus left by a dead enemy: falls and spins until a ship picks it up or
// its centre passes below the field. Kinds: 0 extra ship, 1 fire rate, 2 speed.
class PowerUp : public Entity
{
public:
    PowerUp(sf::RenderWindow* window, ResourceCache* resources, float x, float y, int kind);
    ~PowerUp() override;

    bool isBelowWindow() const;

protected:
    void drawCurrent(sf::RenderWindow& window) override;
    void updateCurrent(sf::Time dt) override;

private:
    void setup(int kind, sf::Vector2f position, ResourceCache* resources);
    void advance(sf::Time dt);
    void removeIfBelowWindow();

    sf::RenderWindow* mWindow; // the play screen's window outlives every node
};
