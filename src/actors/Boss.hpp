#pragma once

#include "actors/Enemy.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

// The enemy that closes a level: descends straight down to a station line,
// then patrols from side to side, turning at the field's edges.
class Boss : public Enemy
{
public:
    Boss(sf::RenderWindow* window, ResourceCache* resources, sf::Vector2f position, int kind,
         sf::Vector2f velocity, const FireChance& fireChance = FireChance::asDesigned());
    ~Boss() override;

    bool isOnStation() const { return mOnStation; }

protected:
    void updateCurrent(sf::Time dt) override;

private:
    void bounceOffEdges();
    bool isPastRightEdge() const;
    bool isPastLeftEdge() const;
    bool isBelowStationLine() const;
    void checkStation();

    sf::Vector2f mPatrolVelocity;
    bool mOnStation;
};
