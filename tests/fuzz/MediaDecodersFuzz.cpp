// Arbitrary bytes as a media file, each one that passes the checks handed to
// SFML's own decoders as the game hands its files: nothing that passes may
// crash, abort or allocate more than the checks allow (-malloc_limit_mb).
#include "resources/MediaCheck.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Err.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // One buffer kept for the whole run keeps the silent audio device open.
    setenv("ALSOFT_DRIVERS", "null", 1);
    static const sf::SoundBuffer keepsTheDeviceOpen;
    sf::err().rdbuf(nullptr); // the decoders' complaints about the inputs
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream image(bytes);
    std::istringstream sound(bytes);
    std::istringstream font(bytes);
    if (MediaCheck::isImageWithin(image))
    {
        sf::Image decoded;
        decoded.loadFromMemory(data, size);
    }
    if (MediaCheck::isSoundWithin(sound))
    {
        sf::SoundBuffer buffer;
        buffer.loadFromMemory(data, size);
        sf::Music song;
        song.openFromMemory(data, size);
        // Played, a song is read a second's worth at a time to its end.
        sf::InputSoundFile stream;
        std::vector<sf::Int16> second;
        if (stream.openFromMemory(data, size))
            second.resize(stream.getSampleRate() * stream.getChannelCount());
        while (!second.empty() && stream.read(second.data(), second.size()) > 0)
        {
        }
    }
    if (MediaCheck::isCompleteFont(font, size))
    {
        sf::Font face;
        face.loadFromMemory(data, size);
    }
    return 0;
}
