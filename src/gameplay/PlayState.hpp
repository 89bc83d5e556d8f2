#pragma once

#include "replay/ReplayFormat.hpp"

#include <cstdint>

class SceneNode;

// What a game's play depends on besides its frames, and what it comes to: the
// generator and the values every game inherits from the ones before it (the
// level it starts from, the ships' shared bonuses, the kills towards the next
// power-up), taken at a game's start and put in place to play it again; and a
// check of where play stands after a frame.
namespace PlayState
{
// As things stand now, for a game about to be played.
Replay::Header header();
// The generator and the shared values as a game started from them.
void apply(const Replay::Header& header);
// The rules the game was played by: its mode, from the level it started at.
PlayRules rulesOf(const Replay::Header& header);

// The level, the shared values and every node's place, category and hit
// points hashed.
Replay::Check check(const SceneNode& scene);
// The check in two bytes, for every frame.
std::uint16_t digestOf(const Replay::Check& check);

// Keeps the generator and the shared values as they are, and puts them back
// when it goes: a replay played in the middle of a run leaves the player's
// next game as it would have been.
class Stash
{
public:
    Stash();
    ~Stash();
    Stash(const Stash&) = delete;
    Stash& operator=(const Stash&) = delete;

private:
    Replay::Header mKept;
    bool mBossDefeated;
};
} // namespace PlayState
