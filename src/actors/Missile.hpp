#pragma once

#include "resources/ResourceCache.hpp"
#include "scene/Entity.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>

// A shot flying straight up (direction -1, fired by a ship) or down (+1, fired
// by an enemy) at 600 px/s. It is a child of the ship that fired it.
class Missile : public Entity
{
public:
    Missile(sf::RenderWindow* window, ResourceCache* resources, float x, float y, int direction,
            int category);
    ~Missile() override;

    bool isOffScreen() const;

protected:
    void drawCurrent(sf::RenderWindow& window) override;
    void updateCurrent(sf::Time dt) override;

private:
    void advance(sf::Time dt);
    void removeIfOffScreen();

    float mPosX;
    float mPosY;
    sf::RenderWindow* mWindow; // the play screen's window outlives every node
};
