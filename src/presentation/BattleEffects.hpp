#pragma once

#include "presentation/ExplosionBurst.hpp"
#include "presentation/HitFlashes.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/NonCopyable.hpp>
#include <SFML/System/Time.hpp>

#include <optional>
#include <vector>

class SceneNode;

// What the play screen draws over its scene without it taking part in play: a burst
// where an enemy died, a flash (and a quiet tick, when the player chose it) where one
// took a hit it survived, a glow on the field's bottom edge beneath every enemy that
// comes within reach of it (an enemy that gets past the bottom ends the game at once),
// and the burst where the game was lost. With less flashing asked for, hits tint and the
// bursts and the glow give half their light. It reads the scene after the collision
// rules and changes nothing in it.
class BattleEffects : private sf::NonCopyable
{
public:
    static constexpr float GlowReach = 150.f; // field units above the bottom edge
    // How long the field holds still under the burst where the game was lost.
    static const sf::Time LossHold;

    void update(sf::Time dt, const SceneNode& scene);
    // Play was lost in the frame just updated: a burst over every ship destroyed in it and
    // over every enemy past the bottom edge, that edge glowing at full beneath it. False
    // when the scene shows neither.
    bool showLoss(const SceneNode& scene);
    // Bursts and flashes run on while the scene stands still.
    void advance(sf::Time dt);
    void draw(sf::RenderTarget& target) const;
    // The glow and the bursts: triangles of light, drawn at once with additive blending.
    sf::VertexArray light() const;
    void setSoundsPaused(bool paused);
    // Hits an enemy survives tick only when asked: by default they are silent.
    void setHitSound(bool on) { mHits.setTick(on); }
    void setReducedFlashing(bool reduced);

    // The boss's hit points left, as a share of its starting ones, while it is on the field.
    std::optional<float> bossHealth() const { return mBossHealth; }

    std::size_t burstCount() const { return mBursts.size(); }
    // The pictures of the enemies flashing now, as they are drawn over them.
    std::vector<sf::Sprite> flashes() const { return mHits.looks(); }
    const HitFlashes& hits() const { return mHits; }

private:
    void see(const SceneNode& enemy, sf::Time dt);
    void advanceBursts(sf::Time dt);

    std::vector<ExplosionBurst> mBursts;
    std::vector<sf::FloatRect> mNearTheBottom; // bounds of the enemies to glow under
    HitFlashes mHits;
    std::optional<float> mBossHealth;
    float mLightShare = 1.f; // of the bursts' and the glow's full light
};
