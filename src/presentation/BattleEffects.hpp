#pragma once

#include "presentation/ExplosionBurst.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Time.hpp>

#include <vector>

class SceneNode;

// What the play screen draws over its scene without it taking part in play: a burst
// where an enemy died, and a glow on the field's bottom edge beneath every enemy that
// comes within reach of it (an enemy that gets past the bottom ends the game at once).
// It reads the scene after the collision rules and changes nothing in it.
class BattleEffects
{
public:
    static constexpr float GlowReach = 150.f; // field units above the bottom edge

    void update(sf::Time dt, const SceneNode& scene);
    void draw(sf::RenderTarget& target) const;

    std::size_t burstCount() const { return mBursts.size(); }

private:
    std::vector<ExplosionBurst> mBursts;
    std::vector<sf::FloatRect> mNearTheBottom; // bounds of the enemies to glow under
};
