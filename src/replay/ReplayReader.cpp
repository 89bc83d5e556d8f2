#include "replay/ReplayReader.hpp"

#include "replay/ReplayBytes.hpp"

#include <cmath>
#include <cstring>

using namespace ReplayBytes;

namespace
{
// Values a game can start from; anything else is damage.
constexpr std::uint64_t MostShips = 100;
constexpr float MostFireRate = 1000.f;
constexpr float MostSpeed = 100000.f;
constexpr std::uint64_t MostKills = 1000000;

std::optional<float> floatFrom(std::optional<std::uint64_t> bits, float most)
{
    if (!bits)
        return std::nullopt;
    const auto word = static_cast<std::uint32_t>(*bits);
    float value = 0.f;
    std::memcpy(&value, &word, sizeof(value));
    if (!std::isfinite(value) || value < 0.f || value > most)
        return std::nullopt;
    return value;
}

std::optional<int> upTo(std::optional<std::uint64_t> number, std::uint64_t low, std::uint64_t high)
{
    if (!number || *number < low || *number > high)
        return std::nullopt;
    return static_cast<int>(*number);
}

bool isPrintable(const std::string& text)
{
    for (char c : text)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

// The header, or the fault that stops it.
std::optional<Replay::Header> readHeader(Source& in, std::string& fault)
{
    const auto magic = in.text(sizeof(Magic));
    if (!magic || std::memcmp(magic->data(), Magic, sizeof(Magic)) != 0)
    {
        fault = "it is not a Vantorix replay";
        return std::nullopt;
    }
    const auto format = in.word(2);
    if (!format || *format != Replay::FormatVersion)
    {
        fault = format ? "it is of a newer or unknown format (" + std::to_string(*format) + ")"
                       : "it is cut short";
        return std::nullopt;
    }
    Replay::Header header;
    const auto versionLength = in.number();
    const auto version = versionLength && *versionLength <= Replay::MaxVersionLength
                             ? in.text(static_cast<std::size_t>(*versionLength))
                             : std::nullopt;
    if (!version || version->empty() || !isPrintable(*version))
    {
        fault = "its game version is damaged";
        return std::nullopt;
    }
    header.gameVersion = *version;
    RandomState::Words32 words{};
    for (std::int32_t& word : words)
    {
        const auto read = in.word(4);
        word = read ? static_cast<std::int32_t>(static_cast<std::uint32_t>(*read)) : -1;
    }
    const auto generator = RandomState::fromWords(words);
    if (!generator)
    {
        fault = "its generator state is damaged";
        return std::nullopt;
    }
    header.generator = *generator;
    const auto mode = upTo(in.number(), 0, static_cast<std::uint64_t>(PlayMode::Practice));
    const auto level = upTo(in.number(), 1, Replay::HighestLevel);
    if (!mode || !level)
    {
        fault = "it was recorded in a mode or from a level this game does not know";
        return std::nullopt;
    }
    header.mode = static_cast<PlayMode>(*mode);
    header.startLevel = *level;
    const auto ships = upTo(in.number(), 0, MostShips);
    const auto fireRate = floatFrom(in.word(4), MostFireRate);
    const auto speed = floatFrom(in.word(4), MostSpeed);
    const auto kills = upTo(in.number(), 0, MostKills);
    if (!ships || !fireRate || !speed || !kills)
    {
        fault = "its starting values are damaged";
        return std::nullopt;
    }
    header.shipCount = *ships;
    header.fireRate = *fireRate;
    header.speed = *speed;
    header.killCount = *kills;
    return header;
}
} // namespace

std::optional<ReplayReader> ReplayReader::open(std::string bytes, std::string& fault)
{
    ReplayReader reader;
    reader.mBytes = std::move(bytes);
    Source in(reader.mBytes);
    const auto header = readHeader(in, fault);
    if (!header)
        return std::nullopt;
    reader.mHeader = *header;
    reader.mFirstFrame = in.position();
    reader.rewind();
    Replay::Frame frame;
    do
    {
        if (!reader.readFrame(frame, fault))
        {
            fault = "frame " + std::to_string(reader.mFramesRead + 1) + ": " + fault;
            return std::nullopt;
        }
        ++reader.mFramesRead;
        reader.mPlayedMicros += frame.micros;
    } while (!frame.ending);
    if (reader.mAt != reader.mBytes.size())
    {
        fault = "bytes follow its last frame";
        return std::nullopt;
    }
    reader.mFrameCount = reader.mFramesRead;
    reader.mEnding = *frame.ending;
    reader.rewind();
    return reader;
}

bool ReplayReader::next(Replay::Frame& frame)
{
    std::string fault;
    if (mFramesRead == mFrameCount || !readFrame(frame, fault))
        return false;
    ++mFramesRead;
    return true;
}

void ReplayReader::rewind()
{
    mAt = mFirstFrame;
    mLastMicros = 0;
    mLastKey = 0;
    mFramesRead = 0;
}

bool ReplayReader::readFrame(Replay::Frame& frame, std::string& fault)
{
    Source in(mBytes, mAt);
    const auto head = in.number();
    if (!head)
    {
        fault = "it is cut short";
        return false;
    }
    const std::int64_t change = unfold(*head >> 1);
    if (change < -Replay::LongestFrameMicros || change > Replay::LongestFrameMicros ||
        mLastMicros + change < 0 || mLastMicros + change > Replay::LongestFrameMicros)
    {
        fault = "its time is out of range";
        return false;
    }
    unsigned flags = mLastKey;
    if ((*head & 1) != 0)
    {
        const auto read = in.word(1);
        if (!read)
        {
            fault = "it is cut short";
            return false;
        }
        flags = static_cast<unsigned>(*read);
    }
    const auto digest = in.word(2);
    std::optional<std::uint64_t> pace;
    if ((flags & PaceFollows) != 0)
        pace = upTo(in.number(), Replay::SlowestPace, Replay::FullPace);
    std::optional<Replay::Check> check;
    if ((flags & CheckFollows) != 0)
    {
        const auto level = upTo(in.number(), 1, Replay::HighestLevel);
        const auto hash = in.word(8);
        if (level && hash)
            check = Replay::Check{*level, *hash};
    }
    std::optional<std::uint64_t> ending;
    if ((flags & LastFrame) != 0)
        ending = in.word(1);
    if (!digest || ((flags & PaceFollows) != 0 && !pace) ||
        ((flags & CheckFollows) != 0 && !check) ||
        ((flags & LastFrame) != 0 && (!ending || *ending > 1)))
    {
        fault = "it is cut short or damaged";
        return false;
    }
    frame = Replay::Frame{};
    frame.micros = mLastMicros + change;
    frame.key = keyOf(flags);
    frame.pressed = (flags & Pressed) != 0;
    frame.keysLetGo = (flags & KeysLetGo) != 0;
    frame.pausedBefore = (flags & PausedBefore) != 0;
    frame.digest = static_cast<std::uint16_t>(*digest);
    if (pace)
        frame.pace = static_cast<int>(*pace);
    frame.check = check;
    if (ending)
        frame.ending = static_cast<Replay::Ending>(*ending);
    mAt = in.position();
    mLastMicros = frame.micros;
    mLastKey = flags & (KeyBits | Pressed);
    return true;
}
