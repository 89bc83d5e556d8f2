#pragma once

#include <optional>

// How the player chose to play. Normal is the game as designed: a loss ends it,
// and enemies roll their dice once a frame. Relaxed keeps ships in reserve and
// steadies the enemies' fire; Practice starts at a level already reached, with
// reserves that never run out, and counts for no record. A replay keeps the
// mode as its number: a mode keeps its number for good.
enum class PlayMode
{
    Normal = 0,
    Relaxed = 1,
    Practice = 2,
};

// What a game's mode changes, fixed when the game begins: the one place the
// rest of the game asks.
struct PlayRules
{
    static constexpr int RelaxedReserves = 3;

    PlayMode mode = PlayMode::Normal;
    // Where a practice game starts; none: where the level stands, 1 after every game.
    std::optional<int> startLevel;

    // Practice starts at the level asked for, kept within 1 and `highestPractice`
    // (the best level reached in Normal); the other modes start at level 1.
    static PlayRules of(PlayMode mode, int practiceLevel, int highestPractice);
    // The level a practice game asked to start at would start at.
    static int practiceStart(int practiceLevel, int highestPractice);

    // Ships in reserve at the start: 0 for Normal; none where they never run out.
    std::optional<int> reserveShips() const;
    // Enemies fire by a chance per second instead of a roll per frame.
    bool steadiesFire() const { return mode != PlayMode::Normal; }
    bool keepsRecord() const { return mode != PlayMode::Practice; }

    // "Normal", "Relaxed", "Practice": as the game shows them.
    static const char* nameOf(PlayMode mode);
};
