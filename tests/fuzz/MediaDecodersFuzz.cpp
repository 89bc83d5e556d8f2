// Arbitrary bytes as a media file of every kind, through the game's way in:
// the checks before decoding, the verdict of a child that decodes the file
// whole within the trial's limits, and, for a good verdict only, the game's
// own decoding in this process. A decoder's crash, hang or allocation without
// end stays in its child; what fails here is a file the child passed that this
// process cannot decode as well, or decodes past the trial's limits
// (-malloc_limit_mb), or a fault of the trial's own code, which runs here too.
#include "ScratchHome.hpp"

#include "resources/MediaGate.hpp"
#include "resources/MediaVerdicts.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Err.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace
{
using MediaTrial::Kind;
constexpr Kind Kinds[] = {Kind::Image, Kind::SoundBuffer, Kind::Song, Kind::Font};
std::string gInput;
unsigned long gJudged[4] = {};
unsigned long gGood[4] = {};

// Started while the harness is small, so that each child is a copy of the
// server, not of the harness. What a child writes (the decoders' complaints, a
// sanitizer's report of the crash the child is there to take) is not the
// harness's: the server's standard error, and so its children's, goes nowhere.
void startQuietJudging()
{
    const int saved = ::dup(2);
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 2);
    ::close(null);
    MediaVerdicts::startJudging();
    ::dup2(saved, 2);
    ::close(saved);
}

// The game's font check leaves every file that is not OpenType to FreeType,
// which turns away at its first bytes all but these: a child for each input
// that has none would cost the run its speed, and contain no decoding.
bool looksLikeAFont(const std::string& bytes)
{
    static const std::string signatures[] = {std::string("\0\1\0\0", 4),
                                             "OTTO",
                                             "true",
                                             "typ1",
                                             "ttcf",
                                             "wOFF",
                                             "wOF2",
                                             "%!",
                                             "\x80\x01",
                                             "STARTFONT",
                                             "\1fcp",
                                             "PFR0",
                                             "MZ",
                                             std::string("\1\0\4", 3)};
    return std::any_of(std::begin(signatures), std::end(signatures),
                       [&](const std::string& each)
                       { return bytes.compare(0, each.size(), each) == 0; });
}

bool decodesHere(Kind kind)
{
    switch (kind)
    {
    case Kind::Image:
    {
        sf::Image image;
        return image.loadFromFile(gInput);
    }
    case Kind::SoundBuffer:
    {
        sf::SoundBuffer buffer;
        return buffer.loadFromFile(gInput);
    }
    case Kind::Song:
    {
        sf::Music song;
        sf::InputSoundFile stream;
        if (!song.openFromFile(gInput) || !stream.openFromFile(gInput))
            return false;
        // Played, a song is read a second's worth at a time to its end.
        std::vector<sf::Int16> second(stream.getSampleRate() * stream.getChannelCount());
        while (stream.read(second.data(), second.size()) > 0)
        {
        }
        return true;
    }
    case Kind::Font:
    {
        sf::Font font;
        return font.loadFromFile(gInput) && MediaTrial::passes(Kind::Font, gInput);
    }
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // One buffer kept for the whole run keeps the silent audio device open.
    setenv("ALSOFT_DRIVERS", "null", 1);
    static const sf::SoundBuffer keepsTheDeviceOpen;
    sf::err().rdbuf(nullptr); // the decoders' complaints about the inputs
    makeScratchHome();
    startQuietJudging();
    gInput = std::string(std::getenv("HOME")) + "/input";
    std::atexit(
        []
        {
            for (std::size_t i = 0; i < 4; ++i)
                std::fprintf(stderr, "%s: %lu judged in a child, %lu good\n",
                             MediaTrial::nameOf(Kinds[i]), gJudged[i], gGood[i]);
        });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    plant(gInput, bytes);
    for (std::size_t i = 0; i < 4; ++i)
    {
        if (!MediaGate::passesChecks(Kinds[i], gInput) ||
            (Kinds[i] == Kind::Font && !looksLikeAFont(bytes)))
            continue;
        ++gJudged[i];
        if (MediaVerdicts::judgeInAChild(Kinds[i], gInput).end != BoundedChild::End::Passed)
            continue;
        ++gGood[i];
        if (!decodesHere(Kinds[i]))
            std::abort(); // --check-media would call it good, and the game would lose it
    }
    return 0;
}
