#include "presentation/ExplosionBurst.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>
#include <cmath>

namespace
{
constexpr float TwoPi = 6.2831853f;
constexpr int SparkCount = 10;
constexpr int RimPoints = 32;

sf::Color withOpacity(sf::Color colour, float share)
{
    colour.a = static_cast<sf::Uint8>(255.f * std::clamp(share, 0.f, 1.f));
    return colour;
}

sf::Vector2f onCircle(sf::Vector2f centre, float radius, int point)
{
    const float angle = TwoPi * static_cast<float>(point) / RimPoints;
    return centre + sf::Vector2f(std::cos(angle), std::sin(angle)) * radius;
}

// A disc of light, brightest at its centre and fading to nothing at its rim.
void appendGlow(sf::VertexArray& triangles, sf::Vector2f centre, float radius, sf::Color colour)
{
    const sf::Color rim = withOpacity(colour, 0.f);
    for (int i = 0; i < RimPoints; ++i)
    {
        triangles.append(sf::Vertex(centre, colour));
        triangles.append(sf::Vertex(onCircle(centre, radius, i), rim));
        triangles.append(sf::Vertex(onCircle(centre, radius, i + 1), rim));
    }
}

// A ring of light between two radii, brightest along its middle.
void appendRing(sf::VertexArray& triangles, sf::Vector2f centre, float radius, float width,
                sf::Color colour)
{
    const sf::Color edge = withOpacity(colour, 0.f);
    const float radii[] = {radius - width / 2.f, radius, radius + width / 2.f};
    const sf::Color colours[] = {edge, colour, edge};
    for (int band = 0; band < 2; ++band)
        for (int i = 0; i < RimPoints; ++i)
        {
            const sf::Vertex innerA(onCircle(centre, radii[band], i), colours[band]);
            const sf::Vertex innerB(onCircle(centre, radii[band], i + 1), colours[band]);
            const sf::Vertex outerA(onCircle(centre, radii[band + 1], i), colours[band + 1]);
            const sf::Vertex outerB(onCircle(centre, radii[band + 1], i + 1), colours[band + 1]);
            for (const sf::Vertex& v : {innerA, outerA, outerB, innerA, outerB, innerB})
                triangles.append(v);
        }
}
} // namespace

ExplosionBurst::ExplosionBurst(const sf::FloatRect& bounds, float lifetime)
    : mCentre(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f),
      mRadius(std::max(bounds.width, bounds.height) / 2.f),
      // From the place, not from rand(): the game's random sequence stays the game's.
      mSparkTurn(std::fmod(std::fabs(mCentre.x * 0.37f + mCentre.y * 0.11f), 1.f) * TwoPi /
                 SparkCount),
      mLifetime(lifetime)
{
}

void ExplosionBurst::advance(sf::Time dt)
{
    mAge += dt.asSeconds();
}

bool ExplosionBurst::isOver() const
{
    return mAge > mLifetime;
}

// Light adds to what is behind it, so the burst glows over the sky instead of covering it.
void ExplosionBurst::appendTo(sf::VertexArray& light) const
{
    if (isOver())
        return;
    const float t = mAge / mLifetime; // 0 at the kill, 1 at the end
    const float fade = 1.f - t;

    // A red haze and a fireball that swell and cool, a white flash at their heart that
    // covers the dying ship, and a shock ring running out ahead of them.
    appendGlow(light, mCentre, mRadius * (1.2f + 0.6f * t),
               withOpacity(sf::Color(255, 60, 30), 0.8f * fade));
    appendGlow(light, mCentre, mRadius * (0.9f + 0.5f * t),
               withOpacity(sf::Color(255, 170, 60), fade));
    appendGlow(light, mCentre, mRadius * (0.8f + 0.2f * t),
               withOpacity(sf::Color(255, 248, 220), 1.f - t / 0.45f));
    appendRing(light, mCentre, mRadius * (0.6f + 1.1f * t), 2.f + 5.f * t,
               withOpacity(sf::Color(255, 210, 140), fade * fade));

    // Sparks flung outward, each a thin streak that shortens as it flies.
    const sf::Color hot = withOpacity(sf::Color(255, 236, 170), fade);
    const sf::Color tail = withOpacity(sf::Color(255, 120, 40), 0.f);
    for (int i = 0; i < SparkCount; ++i)
    {
        const float angle = mSparkTurn + TwoPi * static_cast<float>(i) / SparkCount;
        const sf::Vector2f along(std::cos(angle), std::sin(angle));
        const sf::Vector2f across(-along.y, along.x);
        const float reach = 1.f + 0.25f * static_cast<float>(i % 3); // uneven lengths
        const sf::Vector2f head = mCentre + along * (mRadius * reach * (0.6f + 1.2f * t));
        const sf::Vector2f back = head - along * (mRadius * 0.6f * fade);
        light.append(sf::Vertex(head + across * 1.5f, hot));
        light.append(sf::Vertex(head - across * 1.5f, hot));
        light.append(sf::Vertex(back, tail));
    }
}
