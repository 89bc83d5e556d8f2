#pragma once

#include "presentation/ExplosionBurst.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
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
// where an enemy died, a white flash (and a quiet tick, when the player chose it) where
// one took a hit it survived,
// a glow on the field's bottom edge beneath every enemy that comes within reach of it
// (an enemy that gets past the bottom ends the game at once), and the burst where the
// game was lost. It reads the scene after the collision rules and changes nothing in it.
class BattleEffects : private sf::NonCopyable
{
public:
    static constexpr float GlowReach = 150.f; // field units above the bottom edge
    static constexpr float FlashTime = 0.08f; // seconds a hit shows, and at least between its ticks
    // How long the field holds still under the burst where the game was lost.
    static const sf::Time LossHold;

    // Opens the hit's sound; without it, hits flash in silence.
    BattleEffects();

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
    void setHitSound(bool on) { mHitSoundOn = on; }

    // The boss's hit points left, as a share of its starting ones, while it is on the field.
    std::optional<float> bossHealth() const { return mBossHealth; }

    std::size_t burstCount() const { return mBursts.size(); }
    // The pictures of the enemies flashing now, as they are drawn over them.
    std::vector<sf::Sprite> flashes() const;
    const sf::Sound& hitSound() const { return mHitSound; }
    int hitTicks() const { return mHitTicks; } // how often the hit sound was started

private:
    // An enemy as it stood after the last frame's rules.
    struct Seen
    {
        const SceneNode* node;
        unsigned int hitPoints;
        float sinceHit; // seconds
        float sinceTick;
        sf::Sprite look;
    };

    void see(const SceneNode& enemy, sf::Time dt);
    void advanceBursts(sf::Time dt);
    static sf::Sprite flashOf(const Seen& seen);

    std::vector<ExplosionBurst> mBursts;
    std::vector<sf::FloatRect> mNearTheBottom; // bounds of the enemies to glow under
    std::vector<Seen> mSeen;
    std::vector<Seen> mSeenBefore; // the frame before's, kept for its room
    std::optional<float> mBossHealth;
    sf::SoundBuffer mHitBuffer;
    sf::Sound mHitSound;
    int mHitTicks = 0;
    bool mHitSoundOn = false;
};
