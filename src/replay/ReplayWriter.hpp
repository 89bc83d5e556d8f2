#pragma once

#include "replay/ReplayFormat.hpp"

#include <string>

// Lays a game down as a replay's bytes, frame by frame, as it is played. A
// frame whose key event and flags are those of the frame before costs its
// change of time and its digest alone: a few bytes.
class ReplayWriter
{
public:
    explicit ReplayWriter(const Replay::Header& header);

    void add(const Replay::Frame& frame);
    // The bytes so far: a whole replay once the last frame is in.
    const std::string& bytes() const { return mBytes; }
    std::size_t frameCount() const { return mFrames; }

private:
    std::string mBytes;
    std::int64_t mLastMicros = 0;
    unsigned mLastKey = 0; // key code and pressed, as the frame before left them
    std::size_t mFrames = 0;
};
