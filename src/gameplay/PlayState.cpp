#include "gameplay/PlayState.hpp"

#include "actors/Player.hpp"
#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "config/CommandLine.hpp"
#include "scene/SceneNode.hpp"

#include <cstring>

namespace
{
// FNV-1a, 64 bits: quick, and any change in any byte shows.
class Hash
{
public:
    template <typename Value> void add(const Value& value)
    {
        unsigned char bytes[sizeof(Value)];
        std::memcpy(bytes, &value, sizeof(Value));
        for (unsigned char byte : bytes)
            mValue = (mValue ^ byte) * 0x100000001b3ULL;
    }
    std::uint64_t value() const { return mValue; }

private:
    std::uint64_t mValue = 0xcbf29ce484222325ULL;
};

void setLevel(int level)
{
    Level().resetLevel();
    while (Level::getLevel() < level)
        Level::nextLevel();
}
} // namespace

Replay::Header PlayState::header()
{
    Replay::Header header;
    header.gameVersion = CommandLine::version();
    header.generator = RandomState::current();
    header.startLevel = Level::getLevel();
    header.shipCount = Player::sShipCount;
    header.fireRate = Player::sFireRate;
    header.speed = Player::sSpeed.x;
    header.killCount = PowerUpDropper::sKillCount;
    return header;
}

void PlayState::apply(const Replay::Header& header)
{
    header.generator.restore();
    setLevel(header.startLevel);
    Player::sShipCount = header.shipCount;
    Player::sFireRate = header.fireRate;
    Player::sSpeed.x = header.speed;
    PowerUpDropper::sKillCount = header.killCount;
}

PlayRules PlayState::rulesOf(const Replay::Header& header)
{
    PlayRules rules;
    rules.mode = header.mode;
    rules.startLevel = header.startLevel;
    return rules;
}

Replay::Check PlayState::check(const SceneNode& scene)
{
    Hash hash;
    hash.add(Level::getLevel());
    hash.add(Player::sShipCount);
    hash.add(Player::sFireRate);
    hash.add(Player::sSpeed.x);
    hash.add(PowerUpDropper::sKillCount);
    scene.visitNodes(
        [&hash](const SceneNode& node)
        {
            // The background, the score board and the layers take no part in play.
            if (node.getCategory() < 0)
                return;
            const sf::Vector2f at = node.getSpritePosition();
            hash.add(node.getCategory());
            hash.add(at.x);
            hash.add(at.y);
            hash.add(node.isDestroyed());
            hash.add(node.getHealth().left);
        });
    return {Level::getLevel(), hash.value()};
}

std::uint16_t PlayState::digestOf(const Replay::Check& check)
{
    const std::uint64_t folded = check.hash ^ (check.hash >> 32);
    return static_cast<std::uint16_t>(folded ^ (folded >> 16));
}

PlayState::Stash::Stash() : mKept(header()), mBossDefeated(Level().isBossDefeated()) {}

PlayState::Stash::~Stash()
{
    apply(mKept);
    if (Level().isBossDefeated() != mBossDefeated)
        Level::toggleBossDefeated();
}
