#pragma once

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/NonCopyable.hpp>
#include <SFML/System/Time.hpp>

#include <vector>

class SceneNode;

// How an enemy shows a hit it survives: its own picture once more in white light, fading
// out, and a quiet tick when the player chose it. However fast the hits come, one enemy
// starts at most three flashes a second, so that a stream of hits never strobes. With
// less flashing asked for, a hit gives a steady warm tint instead, which holds while the
// hits go on and fades when they stop. Only drawn (and heard): it reads the enemies and
// changes nothing in them.
class HitFlashes : private sf::NonCopyable
{
public:
    static constexpr float FlashTime = 0.08f; // seconds a flash shows, and at least between ticks
    static constexpr float FlashGap = 1.f / 3.f; // seconds at least between one enemy's flashes
    // Seconds the tint holds after a hit, longer than a ship's slowest fire: steady while
    // the shots land.
    static constexpr float TintHold = 0.6f;
    static constexpr float TintFade = 0.3f; // then it fades out over this

    // Opens the tick; without it, hits show in silence.
    HitFlashes();

    // Once a frame, after the collision rules: every enemy on the field, each with the frame's
    // time. An enemy not seen in a frame is forgotten.
    void beginFrame();
    void see(const SceneNode& enemy, sf::Time dt);
    // The looks run on while the scene stands still.
    void advance(sf::Time dt);

    // The pictures to draw over the enemies now, with additive blending.
    std::vector<sf::Sprite> looks() const;

    void setSteady(bool steady) { mSteady = steady; }
    void setTick(bool on) { mTickOn = on; }
    void setSoundsPaused(bool paused);

    int starts() const { return mStarts; } // flashes started, tints included
    int ticks() const { return mTicks; }
    const sf::Sound& tick() const { return mTick; }

private:
    struct Seen
    {
        const SceneNode* node;
        unsigned int hitPoints;
        float sinceHit; // seconds
        float sinceFlash;
        float sinceTick;
        sf::Sprite look;
    };

    sf::Sprite lookOf(const Seen& seen) const;
    bool isShowing(const Seen& seen) const;

    std::vector<Seen> mSeen;
    std::vector<Seen> mSeenBefore; // the frame before's, kept for its room
    sf::SoundBuffer mTickBuffer;
    sf::Sound mTick;
    int mStarts = 0;
    int mTicks = 0;
    bool mTickOn = false;
    bool mSteady = false;
};
