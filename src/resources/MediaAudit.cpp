#include "resources/MediaAudit.hpp"

#include "resources/MediaCheck.hpp"
#include "resources/MediaFiles.hpp"
#include "resources/ResourceCache.hpp"

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

enum class Kind
{
    Image,
    Sound,
    Font,
};

struct File
{
    const char* name;
    Kind kind;
};

// In the order the screens load them: play, menu, game over.
constexpr File Files[] = {
    {MediaFiles::PlayerShip, Kind::Image},     {MediaFiles::EnemyA, Kind::Image},
    {MediaFiles::EnemyB, Kind::Image},         {MediaFiles::EnemyC, Kind::Image},
    {MediaFiles::BossA, Kind::Image},          {MediaFiles::Bolt, Kind::Image},
    {MediaFiles::AddShip, Kind::Image},        {MediaFiles::BulletSpeed, Kind::Image},
    {MediaFiles::Beam, Kind::Image},           {MediaFiles::Galaxy, Kind::Image},
    {MediaFiles::Wall, Kind::Image},           {MediaFiles::Laser, Kind::Sound},
    {MediaFiles::Explosion, Kind::Sound},      {MediaFiles::PowerUp, Kind::Sound},
    {MediaFiles::DigitalTech, Kind::Font},     {MediaFiles::LoadScreenNeutral, Kind::Image},
    {MediaFiles::LoadScreenPlay, Kind::Image}, {MediaFiles::LoadScreenExit, Kind::Image},
    {MediaFiles::Hover, Kind::Sound},          {MediaFiles::MenuSong, Kind::Sound},
    {MediaFiles::LoseScreen, Kind::Image},     {MediaFiles::Lose, Kind::Sound},
    {MediaFiles::Lose2, Kind::Sound},
};

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

bool loads(const File& file)
{
    switch (file.kind)
    {
    case Kind::Image:
    {
        sf::Image image;
        return MediaCheck::isImageWithin(file.name, LargestTexture) &&
               image.loadFromFile(file.name);
    }
    case Kind::Sound:
        return decodeWhole(file.name);
    case Kind::Font:
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
    for (const File& file : Files)
    {
        const bool loaded = loads(file);
        ResourceCache::report(out, file.name, loaded);
        all = all && loaded;
    }
    return all;
}
