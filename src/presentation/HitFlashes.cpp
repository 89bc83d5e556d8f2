#include "presentation/HitFlashes.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/MediaGate.hpp"
#include "scene/SceneNode.hpp"
#include "sound/Effects.hpp"
#include "sound/SoundPause.hpp"

#include <SFML/Graphics/Color.hpp>

#include <algorithm>

namespace
{
// Long ago: met for the first time, an enemy has shown nothing yet.
constexpr float LongAgo = 1000.f;
// A warm light added to the enemy, a quarter as strong as the flash at its brightest.
const sf::Color Tint(255, 150, 90, 64);
} // namespace

HitFlashes::HitFlashes()
{
    if (MediaGate::open(mTickBuffer, MediaFiles::Hit))
        mTick.setBuffer(mTickBuffer);
}

void HitFlashes::beginFrame()
{
    mSeen.swap(mSeenBefore);
    mSeen.clear();
}

// One with fewer hit points than the frame before took a hit and lives on.
void HitFlashes::see(const SceneNode& enemy, sf::Time dt)
{
    Seen seen{&enemy, enemy.getHealth().left, LongAgo, LongAgo, LongAgo, {}};
    const auto before = std::find_if(mSeenBefore.begin(), mSeenBefore.end(),
                                     [&](const Seen& earlier) { return earlier.node == &enemy; });
    if (before != mSeenBefore.end())
    {
        seen.sinceHit = before->sinceHit + dt.asSeconds();
        seen.sinceFlash = before->sinceFlash + dt.asSeconds();
        seen.sinceTick = before->sinceTick + dt.asSeconds();
        if (seen.hitPoints < before->hitPoints)
        {
            // A steady tint starts only where none shows; a flash only a third of a second
            // after the last one began.
            if (mSteady ? seen.sinceHit >= TintHold + TintFade : seen.sinceFlash >= FlashGap)
            {
                seen.sinceFlash = 0.f;
                ++mStarts;
            }
            seen.sinceHit = 0.f;
            if (mTickOn && seen.sinceTick >= FlashTime)
            {
                seen.sinceTick = 0.f;
                Effects::play(mTick);
                ++mTicks;
            }
        }
    }
    if (isShowing(seen))
        seen.look = enemy.getSprite();
    mSeen.push_back(seen);
}

void HitFlashes::advance(sf::Time dt)
{
    for (Seen& seen : mSeen)
    {
        seen.sinceHit += dt.asSeconds();
        seen.sinceFlash += dt.asSeconds();
    }
}

bool HitFlashes::isShowing(const Seen& seen) const
{
    return mSteady ? seen.sinceHit < TintHold + TintFade : seen.sinceFlash < FlashTime;
}

std::vector<sf::Sprite> HitFlashes::looks() const
{
    std::vector<sf::Sprite> shown;
    for (const Seen& seen : mSeen)
        if (isShowing(seen))
            shown.push_back(lookOf(seen));
    return shown;
}

// The enemy's own picture once more, its light added to it: white-hot at the hit and
// fading out; or the tint, steady until the hits stop.
sf::Sprite HitFlashes::lookOf(const Seen& seen) const
{
    sf::Sprite look = seen.look;
    if (mSteady)
    {
        const float fade = std::clamp((TintHold + TintFade - seen.sinceHit) / TintFade, 0.f, 1.f);
        sf::Color tint = Tint;
        tint.a = static_cast<sf::Uint8>(static_cast<float>(Tint.a) * fade);
        look.setColor(tint);
        return look;
    }
    const float strength = 1.f - seen.sinceFlash / FlashTime;
    look.setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(255.f * strength)));
    return look;
}

void HitFlashes::setSoundsPaused(bool paused)
{
    SoundPause::setPaused(mTick, paused);
}
