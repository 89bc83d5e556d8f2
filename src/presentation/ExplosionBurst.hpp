#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

// A flash, a widening ring and sparks where an enemy or the player's ship died, sized to
// what died. It is only drawn: it is no node of the scene, has no bounds and takes part in
// no rule.
class ExplosionBurst
{
public:
    static constexpr float Lifetime = 0.35f; // seconds, of an enemy's burst

    explicit ExplosionBurst(const sf::FloatRect& bounds, float lifetime = Lifetime);

    void advance(sf::Time dt);
    bool isOver() const;
    // Adds its light to triangles drawn with additive blending, which the play
    // screen draws for every burst at once.
    void appendTo(sf::VertexArray& light) const;

private:
    sf::Vector2f mCentre;
    float mRadius;
    float mSparkTurn; // radians: each burst's sparks point their own way
    float mLifetime;
    float mAge = 0.f;
};
