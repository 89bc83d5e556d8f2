#include "resources/MediaGate.hpp"

#include "resources/MediaVerdicts.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

bool MediaGate::passesChecks(MediaTrial::Kind kind, const std::string& filename,
                             MediaCheck::ImageLimit limit)
{
    switch (kind)
    {
    case MediaTrial::Kind::Image:
        return MediaCheck::isImageWithin(filename, limit);
    case MediaTrial::Kind::SoundBuffer:
    case MediaTrial::Kind::Song:
        return MediaCheck::isSoundWithin(filename);
    case MediaTrial::Kind::Font:
        return MediaCheck::isCompleteFont(filename);
    }
    return false;
}

bool MediaGate::admits(MediaTrial::Kind kind, const std::string& filename,
                       MediaCheck::ImageLimit limit)
{
    return passesChecks(kind, filename, limit) && MediaVerdicts::shared().isGood(kind, filename);
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
