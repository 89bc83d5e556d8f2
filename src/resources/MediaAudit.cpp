#include "resources/MediaAudit.hpp"

#include "resources/MediaCheck.hpp"
#include "resources/ResourceCache.hpp"
#include "resources/ScreenMedia.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>

#include <array>
#include <vector>

namespace
{
// Without a window there is no graphics driver to ask for its largest
// texture; this is what today's drivers, software ones included, offer.
constexpr unsigned int LargestTexture = 16384;

bool decodeWhole(const char* filename)
{
    sf::InputSoundFile sound;
    if (!MediaCheck::isSoundFile(filename) || !sound.openFromFile(filename))
        return false;
    if (sound.getChannelCount() == 0 || sound.getSampleRate() == 0)
        return false;
    std::array<sf::Int16, 4096> samples;
    sf::Uint64 total = 0;
    while (const sf::Uint64 read = sound.read(samples.data(), samples.size()))
        total += read;
    return total > 0;
}

bool loads(const ScreenMedia::File& file)
{
    switch (file.kind)
    {
    case ScreenMedia::Kind::Texture:
    case ScreenMedia::Kind::QuietImage:
    {
        sf::Image image;
        return MediaCheck::isImageWithin(file.name, LargestTexture) &&
               image.loadFromFile(file.name);
    }
    case ScreenMedia::Kind::SoundBuffer:
    case ScreenMedia::Kind::Song:
    case ScreenMedia::Kind::QuietSound:
        return decodeWhole(file.name);
    case ScreenMedia::Kind::Font:
    {
        sf::Font font;
        return MediaCheck::isCompleteFont(file.name) && font.loadFromFile(file.name);
    }
    }
    return false;
}
} // namespace

bool MediaAudit::checkAll(std::ostream& out)
{
    bool all = true;
    for (const auto screen : {ScreenMedia::Screen::Play, ScreenMedia::Screen::Menu,
                              ScreenMedia::Screen::GameOver, ScreenMedia::Screen::Window})
    {
        for (const ScreenMedia::File& file : ScreenMedia::of(screen))
        {
            const bool loaded = loads(file);
            ResourceCache::report(out, file.name, loaded);
            all = all && loaded;
        }
    }
    return all;
}
