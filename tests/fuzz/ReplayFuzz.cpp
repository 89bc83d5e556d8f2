// Arbitrary bytes as a replay: the reader refuses them in one line, or every
// frame it accepted reads back the same from the bytes the game would write
// for them, and the generator state it accepted draws without leaving its table.
#include "replay/ReplayReader.hpp"
#include "replay/ReplayWriter.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
bool sameFrame(const Replay::Frame& one, const Replay::Frame& other)
{
    return one.micros == other.micros && one.key == other.key && one.pressed == other.pressed &&
           one.pausedBefore == other.pausedBefore && one.keysLetGo == other.keysLetGo &&
           one.digest == other.digest && one.check == other.check && one.ending == other.ending;
}

std::vector<Replay::Frame> framesOf(ReplayReader& replay)
{
    std::vector<Replay::Frame> frames;
    Replay::Frame frame;
    while (replay.next(frame))
        frames.push_back(frame);
    return frames;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string fault;
    auto replay = ReplayReader::open(std::string(reinterpret_cast<const char*>(data), size), fault);
    if (!replay)
    {
        for (char c : fault)
            if (static_cast<unsigned char>(c) < 0x20)
                std::abort();
        if (fault.empty())
            std::abort();
        return 0;
    }
    const std::vector<Replay::Frame> frames = framesOf(*replay);
    std::int64_t played = 0;
    for (const Replay::Frame& frame : frames)
        played += frame.micros;
    if (frames.size() != replay->frameCount() || played != replay->playedMicros() ||
        !frames.back().ending)
        std::abort();

    ReplayWriter writer(replay->header());
    for (const Replay::Frame& frame : frames)
        writer.add(frame);
    auto again = ReplayReader::open(writer.bytes(), fault);
    if (!again || again->header().generator != replay->header().generator)
        std::abort();
    const std::vector<Replay::Frame> reread = framesOf(*again);
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (i >= reread.size() || !sameFrame(frames[i], reread[i]))
            std::abort();

    const RandomState before = RandomState::current();
    replay->header().generator.restore();
    for (int draw = 0; draw < 100; ++draw)
        std::rand();
    before.restore();
    return 0;
}
