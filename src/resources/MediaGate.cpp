#include "resources/MediaGate.hpp"

#include "resources/MediaVerdicts.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

bool MediaGate::admits(MediaTrial::Kind kind, const std::string& filename,
                       MediaCheck::ImageLimit limit)
{
    bool headers = false;
    switch (kind)
    {
    case MediaTrial::Kind::Image:
        headers = MediaCheck::isImageWithin(filename, limit);
        break;
    case MediaTrial::Kind::SoundBuffer:
    case MediaTrial::Kind::Song:
        headers = MediaCheck::isSoundWithin(filename);
        break;
    case MediaTrial::Kind::Font:
        headers = MediaCheck::isCompleteFont(filename);
        break;
    }
    return headers && MediaVerdicts::shared().isGood(kind, filename);
}

bool MediaGate::open(sf::Texture& texture, const std::string& filename)
{
    return admits(MediaTrial::Kind::Image, filename) &&
           texture.loadFromFile(filename, sf::IntRect());
}

bool MediaGate::open(sf::Image& image, const std::string& filename, MediaCheck::ImageLimit limit)
{
    return admits(MediaTrial::Kind::Image, filename, limit) && image.loadFromFile(filename);
}

bool MediaGate::open(sf::SoundBuffer& buffer, const std::string& filename)
{
    return admits(MediaTrial::Kind::SoundBuffer, filename) && buffer.loadFromFile(filename);
}

bool MediaGate::open(sf::Music& song, const std::string& filename)
{
    return admits(MediaTrial::Kind::Song, filename) && song.openFromFile(filename);
}

bool MediaGate::open(sf::Font& font, const std::string& filename)
{
    return admits(MediaTrial::Kind::Font, filename) && font.loadFromFile(filename);
}
