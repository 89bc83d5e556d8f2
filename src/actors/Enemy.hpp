#pragma once

#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "foundation/FireChance.hpp"
#include "resources/ResourceCache.hpp"
#include "scene/Entity.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

// An enemy ship of kind 0 to 2 (3 is the boss): flies at a constant velocity,
// fires downward at random, and needs more hits the higher its kind and level.
class Enemy : public Entity
{
public:
    // Whether it fires in a frame is the fire chance's to say; it outlives the enemy.
    Enemy(sf::RenderWindow* window, ResourceCache* resources, sf::Vector2f position, int kind,
          sf::Vector2f velocity, const FireChance& fireChance = FireChance::asDesigned());
    ~Enemy() override;

    bool isOnLastHitPoint() const override;
    // Takes one hit point; the hit that takes the last one kills the enemy.
    void destroy() override;
    Health getHealth() const override;

    unsigned int getHitPoints() const { return mHitPoints; }
    int getFireOdds() const { return mFireOdds; }

protected:
    void drawCurrent(sf::RenderWindow& window) override;
    void updateCurrent(sf::Time dt) override;

    void applyVelocity(sf::Time dt);
    void tryFire(sf::Time dt);
    void fire();

    sf::RenderWindow* mWindow; // the play screen's window outlives every node
    ResourceCache* mResources; // the play screen's cache outlives every node

private:
    void setupKind(ResourceCache* resources, sf::Vector2f position, int kind);

    const FireChance* mFireChance;
    Level mLevel;
    int mKind = 0;
    PowerUpDropper mPowerUpDropper;
    int mFireOdds = 0;
    unsigned int mHitPoints = 0;
    unsigned int mStartingHitPoints = 0; // only drawn: the boss's health is a share of it
};
