#pragma once

#include "replay/ReplayFormat.hpp"

#include <optional>
#include <string>

// Reads a replay's bytes back, frame by frame. Opening a replay reads it
// through once and refuses it, naming the first fault, unless every byte is
// where the format puts it and every value is one a game can have: a
// damaged or hostile file is never half played.
class ReplayReader
{
public:
    // None, and the fault in a few words, for bytes that are not a replay.
    static std::optional<ReplayReader> open(std::string bytes, std::string& fault);

    const Replay::Header& header() const { return mHeader; }
    std::size_t frameCount() const { return mFrameCount; }
    // The time the frames add up to.
    std::int64_t playedMicros() const { return mPlayedMicros; }
    Replay::Ending ending() const { return mEnding; }

    // The next frame, numbered from 1; false after the last.
    bool next(Replay::Frame& frame);
    std::size_t framesRead() const { return mFramesRead; }
    void rewind();

private:
    ReplayReader() = default;
    // Reads the frame at the cursor; a fault names what is wrong.
    bool readFrame(Replay::Frame& frame, std::string& fault);

    std::string mBytes;
    Replay::Header mHeader;
    std::size_t mFirstFrame = 0; // where the frames begin
    std::size_t mFrameCount = 0;
    std::int64_t mPlayedMicros = 0;
    Replay::Ending mEnding = Replay::Ending::Left;

    // The cursor.
    std::size_t mAt = 0;
    std::int64_t mLastMicros = 0;
    unsigned mLastKey = 0;
    std::size_t mFramesRead = 0;
};
