#include "presentation/BattleEffects.hpp"

#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"
#include "resources/MediaFiles.hpp"
#include "resources/MediaGate.hpp"
#include "scene/SceneNode.hpp"
#include "sound/Effects.hpp"
#include "sound/SoundPause.hpp"

#include <SFML/Graphics/BlendMode.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>
#include <cmath>

const sf::Time BattleEffects::LossHold = sf::seconds(0.7f);

namespace
{
constexpr float FieldBottom = static_cast<float>(Field::Height);
// The burst where the game was lost spreads this much wider than what it covers.
constexpr float LossBurstSpread = 2.5f;

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

// Past the bottom edge: over the wall, which ends the game.
bool isPastTheBottom(const sf::FloatRect& bounds)
{
    return bounds.top + bounds.height > FieldBottom;
}

sf::FloatRect spread(const sf::FloatRect& bounds, float factor)
{
    const sf::Vector2f size(bounds.width * factor, bounds.height * factor);
    return {bounds.left + (bounds.width - size.x) / 2.f,
            bounds.top + (bounds.height - size.y) / 2.f, size.x, size.y};
}
} // namespace

BattleEffects::BattleEffects()
{
    if (MediaGate::open(mHitBuffer, MediaFiles::Hit))
        mHitSound.setBuffer(mHitBuffer);
}

// Called after the collision rules: an enemy flagged destroyed then died in this
// frame (the next frame's update removes it), so it gets its burst exactly once; one
// with fewer hit points than the frame before took a hit and lives on.
void BattleEffects::update(sf::Time dt, const SceneNode& scene)
{
    advanceBursts(dt);
    mNearTheBottom.clear();
    mBossHealth.reset();
    mSeen.swap(mSeenBefore);
    mSeen.clear();
    scene.visitNodes(
        [&](const SceneNode& node)
        {
            if (node.getCategory() != Category::Enemy)
                return;
            const sf::FloatRect bounds = node.getBoundingRect();
            if (node.isDestroyed())
            {
                mBursts.emplace_back(bounds);
                return;
            }
            if (glowStrength(bounds) > 0.f)
                mNearTheBottom.push_back(bounds);
            see(node, dt);
        });
}

void BattleEffects::see(const SceneNode& enemy, sf::Time dt)
{
    const SceneNode::Health health = enemy.getHealth();
    if (health.closesLevel && health.atStart > 0)
        mBossHealth = static_cast<float>(health.left) / static_cast<float>(health.atStart);

    // Met for the first time, an enemy has not been hit for as long as a flash lasts.
    Seen seen{&enemy, health.left, FlashTime, FlashTime, {}};
    const auto before = std::find_if(mSeenBefore.begin(), mSeenBefore.end(),
                                     [&](const Seen& earlier) { return earlier.node == &enemy; });
    if (before != mSeenBefore.end())
    {
        seen.sinceHit = before->sinceHit + dt.asSeconds();
        seen.sinceTick = before->sinceTick + dt.asSeconds();
        if (health.left < before->hitPoints)
        {
            seen.sinceHit = 0.f;
            if (mHitSoundOn && seen.sinceTick >= FlashTime)
            {
                seen.sinceTick = 0.f;
                Effects::play(mHitSound);
                ++mHitTicks;
            }
        }
    }
    if (seen.sinceHit < FlashTime)
        seen.look = enemy.getSprite();
    mSeen.push_back(seen);
}

bool BattleEffects::showLoss(const SceneNode& scene)
{
    bool shown = false;
    scene.visitNodes(
        [&](const SceneNode& node)
        {
            const sf::FloatRect bounds = node.getBoundingRect();
            const bool shipLost = node.getCategory() == Category::Player && node.isDestroyed();
            const bool enemyThrough =
                node.getCategory() == Category::Enemy && isPastTheBottom(bounds);
            if (!shipLost && !enemyThrough)
                return;
            mBursts.emplace_back(spread(bounds, LossBurstSpread), LossHold.asSeconds());
            // One that died there glows no more by itself.
            if (enemyThrough && node.isDestroyed())
                mNearTheBottom.push_back(bounds);
            shown = true;
        });
    return shown;
}

void BattleEffects::advance(sf::Time dt)
{
    advanceBursts(dt);
    for (Seen& seen : mSeen)
        seen.sinceHit += dt.asSeconds();
}

void BattleEffects::advanceBursts(sf::Time dt)
{
    for (ExplosionBurst& burst : mBursts)
        burst.advance(dt);
    mBursts.erase(std::remove_if(mBursts.begin(), mBursts.end(),
                                 [](const ExplosionBurst& burst) { return burst.isOver(); }),
                  mBursts.end());
}

void BattleEffects::setSoundsPaused(bool paused)
{
    SoundPause::setPaused(mHitSound, paused);
}

std::vector<sf::Sprite> BattleEffects::flashes() const
{
    std::vector<sf::Sprite> looks;
    for (const Seen& seen : mSeen)
        if (seen.sinceHit < FlashTime)
            looks.push_back(flashOf(seen));
    return looks;
}

// The enemy's own picture once more, its light added to it: white-hot at the hit,
// fading out.
sf::Sprite BattleEffects::flashOf(const Seen& seen)
{
    sf::Sprite look = seen.look;
    const float strength = 1.f - seen.sinceHit / FlashTime;
    look.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(255.f * strength)));
    return look;
}

sf::VertexArray BattleEffects::light() const
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
    for (const ExplosionBurst& burst : mBursts)
        burst.appendTo(glow);
    return glow;
}

// Light adds to the sky and to whatever flies through it; added light is the same in
// any order, so the bursts go in one draw with the glow.
void BattleEffects::draw(sf::RenderTarget& target) const
{
    target.draw(light(), sf::RenderStates(sf::BlendAdd));
    for (const sf::Sprite& flash : flashes())
        target.draw(flash, sf::RenderStates(sf::BlendAdd));
}
