#pragma once

#include "config/KeptFile.hpp"

#include <optional>
#include <ostream>
#include <string>

// The highest level reached in any game, kept between runs as decimal text.
// A record that is missing means none; a damaged one is reported once, treated
// as none and replaced at the next game over; one that cannot be read is
// reported once and left alone. A record that cannot be written costs only the
// record. Games sharing an account never lower each other's record.
class BestLevel
{
public:
    // Beyond any level a player can reach: a larger number is not a record.
    static constexpr int Largest = 1000000;

    struct Outcome
    {
        int reached = 1;
        int best = 1;
        bool isNewBest = false;  // an earlier record existed and this game beat it
        bool setsRecord = false; // this game's level is the record now: beaten, or the first
    };

    explicit BestLevel(KeptFile file = KeptFile(KeptFile::Place::Data, "best-level"));

    // Reads the record; problems go to the given stream, one line each.
    void load(std::ostream& problems);
    std::optional<int> best() const { return mBest; }

    // Counts a finished game that reached the given level, keeping it when it is a record.
    Outcome record(int reached, std::ostream& problems);
    // How the last game counted, for the game-over screen; none before the first.
    const std::optional<Outcome>& lastGame() const { return mLastGame; }

    // The level a record's text holds, if it holds one.
    static std::optional<int> parse(const std::string& text);

private:
    KeptFile mFile;
    std::optional<int> mBest;
    std::optional<Outcome> mLastGame;
    bool mReported = false; // one line a run about the record is enough
};
