#include "presentation/BattleEffects.hpp"

#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"
#include "scene/SceneNode.hpp"

#include <SFML/Graphics/BlendMode.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>
#include <cmath>

namespace
{
constexpr float FieldBottom = static_cast<float>(Field::Height);

// A band of light standing on the bottom edge: full along [left, right] at the edge,
// fading out upward and, in quarter ellipses, beyond both ends. Colour changes only
// across the band or out from a corner, so no triangle seam shows in it.
void appendBand(sf::VertexArray& band, float left, float right, float fadeWidth, float height,
                sf::Color colour)
{
    const sf::Color clear(colour.r, colour.g, colour.b, 0);
    const sf::Vertex bottomLeft({left, FieldBottom}, colour);
    const sf::Vertex bottomRight({right, FieldBottom}, colour);
    const sf::Vertex topLeft({left, FieldBottom - height}, clear);
    const sf::Vertex topRight({right, FieldBottom - height}, clear);
    for (const sf::Vertex& v : {topLeft, bottomLeft, bottomRight, topLeft, bottomRight, topRight})
        band.append(v);

    constexpr int Segments = 8;
    for (const float side : {-1.f, 1.f})
    {
        const sf::Vertex& corner = side < 0.f ? bottomLeft : bottomRight;
        for (int i = 0; i < Segments; ++i)
        {
            const auto rim = [&](int step)
            {
                const float angle = 1.5707963f * static_cast<float>(step) / Segments;
                return sf::Vertex({corner.position.x + side * fadeWidth * std::sin(angle),
                                   FieldBottom - height * std::cos(angle)},
                                  clear);
            };
            band.append(corner);
            band.append(rim(i));
            band.append(rim(i + 1));
        }
    }
}

// 0 for an enemy whose bottom edge is GlowReach or more above the field's bottom, rising
// to 1 as it reaches the bottom.
float glowStrength(const sf::FloatRect& enemyBounds)
{
    const float gap = FieldBottom - (enemyBounds.top + enemyBounds.height);
    return std::clamp(1.f - gap / BattleEffects::GlowReach, 0.f, 1.f);
}
} // namespace

// Called after the collision rules: an enemy flagged destroyed then died in this
// frame (the next frame's update removes it), so it gets its burst exactly once.
void BattleEffects::update(sf::Time dt, const SceneNode& scene)
{
    for (ExplosionBurst& burst : mBursts)
        burst.advance(dt);
    mBursts.erase(std::remove_if(mBursts.begin(), mBursts.end(),
                                 [](const ExplosionBurst& burst) { return burst.isOver(); }),
                  mBursts.end());

    mNearTheBottom.clear();
    scene.visitNodes(
        [this](const SceneNode& node)
        {
            if (node.getCategory() != Category::Enemy)
                return;
            const sf::FloatRect bounds = node.getBoundingRect();
            if (node.isDestroyed())
                mBursts.emplace_back(bounds);
            else if (glowStrength(bounds) > 0.f)
                mNearTheBottom.push_back(bounds);
        });
}

void BattleEffects::draw(sf::RenderTarget& target) const
{
    sf::VertexArray glow(sf::Triangles);
    for (const sf::FloatRect& enemy : mNearTheBottom)
    {
        const float strength = glowStrength(enemy);
        const auto alpha = static_cast<sf::Uint8>(230.f * strength);
        const float left = enemy.left;
        const float right = enemy.left + enemy.width;
        // A red haze that rises and widens as the enemy comes closer, over a hot line.
        appendBand(glow, left, right, 20.f + 40.f * strength, 12.f + 48.f * strength,
                   sf::Color(255, 56, 48, alpha));
        appendBand(glow, left, right, 10.f, 3.f, sf::Color(255, 196, 150, alpha));
    }
    // Light adds to the sky and to whatever flies over the edge.
    target.draw(glow, sf::RenderStates(sf::BlendAdd));

    for (const ExplosionBurst& burst : mBursts)
        burst.draw(target);
}
