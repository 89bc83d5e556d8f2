#include "MediaGenerator.hpp"

#include "IconArt.hpp"
#include "Lettering.hpp"
#include "MenuSong.hpp"
#include "PickupArt.hpp"
#include "Scenes.hpp"
#include "ShipArt.hpp"
#include "SoundEffects.hpp"
#include "resources/MediaFiles.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Graphics/Image.hpp>

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace media
{
namespace
{
fs::path prepare(const fs::path& root, const char* file)
{
    const fs::path path = root / file;
    fs::create_directories(path.parent_path());
    return path;
}

void save(const sf::Image& image, const fs::path& root, const char* file)
{
    if (!image.saveToFile(prepare(root, file).string()))
        throw std::runtime_error(std::string("cannot write ") + file);
}

void save(const Samples& samples, unsigned channels, const fs::path& root, const char* file)
{
    // The Vorbis writer numbers its stream with rand(): fix it so the song is the same file
    // on every build.
    std::srand(1);
    sf::OutputSoundFile out;
    if (!out.openFromFile(prepare(root, file).string(), SampleRate, channels))
        throw std::runtime_error(std::string("cannot write ") + file);
    const std::vector<sf::Int16> pcm = toPcm(samples);
    out.write(pcm.data(), pcm.size());
}

void copy(const char* from, const fs::path& root, const char* file)
{
    fs::copy_file(from, prepare(root, file), fs::copy_options::overwrite_existing);
}

void writeTextures(const fs::path& root)
{
    // Each sprite is enlarged so that, at the scale the game draws it at, an art pixel
    // covers whole screen pixels: one for the ships, three for the boss (doubled, shown
    // at 1.5).
    save(playerShipArt().enlargedFor(13, 100), root, MediaFiles::PlayerShip);
    save(enemyArt(0).enlargedFor(3, 10), root, MediaFiles::EnemyA);
    save(enemyArt(1).enlargedFor(3, 10), root, MediaFiles::EnemyB);
    save(enemyArt(2).enlargedFor(3, 10), root, MediaFiles::EnemyC);
    save(bossArt().enlargedFor(1, 2), root, MediaFiles::BossA);
    save(addShipArt().enlargedFor(9, 100), root, MediaFiles::AddShip);
    save(bulletSpeedArt().toImage(), root, MediaFiles::BulletSpeed);
    save(boltArt().toImage(), root, MediaFiles::Bolt);
    save(beamArt().toImage(), root, MediaFiles::Beam);
    save(enemyShotArt().toImage(), root, MediaFiles::EnemyShot);
    save(wallImage(), root, MediaFiles::Wall);

    const Canvas galaxy = galaxyArt();
    save(scrollingGalaxy(galaxy).toImage(), root, MediaFiles::Galaxy);
    const Lettering letters(VANTORIX_LETTERING_FONT);
    const std::array<Canvas, 3> menu = menuScreens(galaxy, letters);
    save(menu[0].toImage(), root, MediaFiles::LoadScreenNeutral);
    save(menu[1].toImage(), root, MediaFiles::LoadScreenPlay);
    save(menu[2].toImage(), root, MediaFiles::LoadScreenExit);
    save(litOptionsButton(letters).toImage(), root, MediaFiles::OptionsLit);
    save(loseScreen(galaxy, letters).toImage(), root, MediaFiles::LoseScreen);
    // The desktop icon's art, doubled: pixel art stays sharp where a desktop shows it large.
    save(iconArt(galaxy).enlargedFor(1, 2), root, MediaFiles::WindowIcon);
}

void writeSounds(const fs::path& root)
{
    save(laserSound(), 1, root, MediaFiles::Laser);
    save(explosionSound(), 1, root, MediaFiles::Explosion);
    save(powerUpSound(), 1, root, MediaFiles::PowerUp);
    save(hoverSound(), 1, root, MediaFiles::Hover);
    save(hitSound(), 1, root, MediaFiles::Hit);
    save(loseSound(), 1, root, MediaFiles::Lose);
    save(lose2Sound(), 1, root, MediaFiles::Lose2);
    save(menuSong(), SongChannels, root, MediaFiles::MenuSong);
}
} // namespace

void generateMedia(const fs::path& root)
{
    writeTextures(root);
    writeSounds(root);
    copy(VANTORIX_DIGITAL_FONT, root, MediaFiles::DigitalTech);
    copy(VANTORIX_DIGITAL_FONT_LICENCE, root, "Media/Fonts/LICENSE-3270.txt");
}

} // namespace media
