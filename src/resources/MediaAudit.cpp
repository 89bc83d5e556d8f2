#include "resources/MediaAudit.hpp"

#include "resources/MediaCheck.hpp"
#include "resources/ResourceCache.hpp"
#include "resources/ScreenMedia.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>

#include <vector>

namespace
{
// What sf::SoundBuffer::loadFromFile does before it hands the samples to the
// audio device: room for every sample the header claims, then all of them read.
bool decodesWhole(const char* filename)
{
    sf::InputSoundFile sound;
    if (!MediaCheck::isSoundWithin(filename) || !sound.openFromFile(filename))
        return false;
    std::vector<sf::Int16> samples(static_cast<std::size_t>(sound.getSampleCount()));
    return !samples.empty() && sound.getChannelCount() > 0 && sound.getSampleRate() > 0 &&
           sound.read(samples.data(), samples.size()) == samples.size();
}
} // namespace

bool MediaAudit::loads(const ScreenMedia::File& file)
{
    switch (file.kind)
    {
    case ScreenMedia::Kind::Texture:
    case ScreenMedia::Kind::QuietImage:
    {
        // The texture's own decoder; only the graphics driver, absent here,
        // could still refuse a picture this size.
        sf::Image image;
        return MediaCheck::isImageWithin(file.name) && image.loadFromFile(file.name);
    }
    case ScreenMedia::Kind::SoundBuffer:
    case ScreenMedia::Kind::QuietSound:
        return decodesWhole(file.name);
    case ScreenMedia::Kind::Song:
    {
        // sf::Music opens the song the same way, then streams it while it plays.
        sf::InputSoundFile song;
        return MediaCheck::isSoundWithin(file.name) && song.openFromFile(file.name);
    }
    case ScreenMedia::Kind::Font:
    {
        sf::Font font;
        return MediaCheck::isCompleteFont(file.name) && font.loadFromFile(file.name);
    }
    }
    return false;
}

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
