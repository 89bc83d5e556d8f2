#include "replay/ReplayWriter.hpp"

#include "replay/ReplayBytes.hpp"

#include <algorithm>
#include <cstring>

using namespace ReplayBytes;

namespace
{
std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}
} // namespace

ReplayWriter::ReplayWriter(const Replay::Header& header)
{
    mBytes.append(Magic, sizeof(Magic));
    putWord(mBytes, Replay::FormatVersion, 2);
    const std::string version = header.gameVersion.substr(0, Replay::MaxVersionLength);
    putNumber(mBytes, version.size());
    mBytes += version;
    for (std::int32_t word : header.generator.words())
        putWord(mBytes, static_cast<std::uint32_t>(word), 4);
    putNumber(mBytes, static_cast<std::uint8_t>(header.mode));
    putNumber(mBytes, static_cast<std::uint64_t>(header.startLevel));
    putNumber(mBytes, static_cast<std::uint64_t>(header.shipCount));
    putWord(mBytes, bitsOf(header.fireRate), 4);
    putWord(mBytes, bitsOf(header.speed), 4);
    putNumber(mBytes, static_cast<std::uint64_t>(header.killCount));
}

void ReplayWriter::add(const Replay::Frame& frame)
{
    const unsigned key = keyCode(frame.key) | (frame.pressed ? Pressed : 0u);
    const unsigned flags = key | (frame.keysLetGo ? KeysLetGo : 0u) |
                           (frame.pausedBefore ? PausedBefore : 0u) |
                           (frame.check ? CheckFollows : 0u) | (frame.ending ? LastFrame : 0u) |
                           (frame.pace ? PaceFollows : 0u);
    const bool flagsFollow = flags != mLastKey;
    putNumber(mBytes, fold(frame.micros - mLastMicros) << 1 | (flagsFollow ? 1u : 0u));
    if (flagsFollow)
        mBytes.push_back(static_cast<char>(flags));
    putWord(mBytes, frame.digest, 2);
    if (frame.pace)
        putNumber(mBytes, static_cast<std::uint64_t>(*frame.pace));
    if (frame.check)
    {
        putNumber(mBytes, static_cast<std::uint64_t>(frame.check->level));
        putWord(mBytes, frame.check->hash, 8);
    }
    if (frame.ending)
        mBytes.push_back(static_cast<char>(*frame.ending));
    mLastMicros = frame.micros;
    mLastKey = key;
    ++mFrames;
}
