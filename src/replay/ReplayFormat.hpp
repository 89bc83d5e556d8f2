#pragma once

#include "foundation/PlayRules.hpp"
#include "platform/RandomState.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <optional>
#include <string>

// What a replay holds: everything a game depends on, so that it can be played
// again exactly. A game is the generator's state at its start, the shared
// values it inherits from the games before it, and then, frame by frame, the
// time the scene was advanced by and the key event it was handed; checks of
// the play state along the way tell whether playing it again came out the same.
namespace Replay
{
// Bumped whenever the bytes change meaning; an older game refuses a newer file.
constexpr std::uint16_t FormatVersion = 1;

struct Header
{
    std::string gameVersion; // "Vantorix 1.0.0": printable, at most MaxVersionLength
    RandomState generator;
    PlayMode mode = PlayMode::Normal; // played again by its rules
    int startLevel = 1;
    // What the games before left behind, shared by every ship and enemy.
    int shipCount = 1;
    float fireRate = 2.f;
    float speed = 400.f;
    int killCount = 0;
};

// A check of the play state: the level, and every ship's, enemy's, missile's
// and power-up's place hashed with the shared values.
struct Check
{
    int level = 1;
    std::uint64_t hash = 0;

    bool operator==(const Check& other) const { return level == other.level && hash == other.hash; }
    bool operator!=(const Check& other) const { return !(*this == other); }
};

// How the recorded game ended.
enum class Ending : std::uint8_t
{
    Lost = 0, // the rules ended play: the replay must end in the same frame
    Left = 1, // the player quit, or closed the window
};

struct Frame
{
    std::int64_t micros = 0; // the frame time the scene was advanced by
    // The key event the scene was handed: Left, Right, Up (fire) or none.
    sf::Keyboard::Key key = sf::Keyboard::Unknown;
    bool pressed = false;
    // Before this frame the game was paused; losing the focus let every play key go.
    bool pausedBefore = false;
    bool keysLetGo = false;
    // The game's speed in per cent, from this frame on, where it changed (the
    // options open over a paused game); games start at full speed.
    std::optional<int> pace;
    std::uint16_t digest = 0; // the play state after the frame, in two bytes
    std::optional<Check> check;
    std::optional<Ending> ending; // the last frame's
};

// Checks come with the first frame after every so many seconds of play, and
// with the last frame.
constexpr std::int64_t CheckEveryMicros = 2000000;
// Beyond any frame a game can have (a machine put to sleep mid-game, say).
constexpr std::int64_t LongestFrameMicros = 24LL * 3600 * 1000000;
constexpr std::size_t MaxVersionLength = 64;
// Beyond any level a player can reach.
constexpr int HighestLevel = 1000000;
// The game's speed, in per cent of full speed.
constexpr int SlowestPace = 50;
constexpr int FullPace = 100;
} // namespace Replay
