#include "support/DamagedMedia.hpp"

#include "resources/MediaFiles.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace
{
using Bytes = std::string;

Bytes readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeAll(const fs::path& file, const Bytes& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::uint32_t crc32(const Bytes& bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes)
    {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

Bytes bigEndian(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

Bytes pngChunk(const Bytes& type, const Bytes& data)
{
    return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data +
           bigEndian(crc32(type + data));
}

// A well-formed PNG start whose header claims the given size; the pixel data
// that would follow is a few bytes only.
Bytes pngClaiming(std::uint32_t width, std::uint32_t height)
{
    const Bytes header = bigEndian(width) + bigEndian(height) + Bytes{8, 6, 0, 0, 0};
    const Bytes pixels = {'\x78', '\x9c', '\x63', '\x00', '\x00', '\x00', '\x01', '\x00', '\x01'};
    return Bytes("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", pixels) +
           pngChunk("IEND", "");
}

bool isImage(const std::string& file)
{
    const std::string extension = fs::path(file).extension().string();
    return extension == ".png" || extension == ".jpg";
}

void writeOversizedImage(const fs::path& target)
{
    sf::Image image;
    image.create(sf::Texture::getMaximumSize() + 1, 1, sf::Color(200, 60, 90));
    // The encoder follows the extension: keep an image's own format, and use
    // a PNG where a sound or the font belongs.
    const fs::path written = isImage(target.string()) ? target : fs::path(target.string() + ".png");
    if (!image.saveToFile(written.string()))
        throw std::runtime_error("cannot write " + written.string());
    if (written != target)
        fs::rename(written, target);
}

Bytes randomBytes(std::size_t count, const std::string& seedText)
{
    std::seed_seq seed(seedText.begin(), seedText.end());
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes bytes(count, '\0');
    for (char& b : bytes)
        b = static_cast<char>(byte(generator));
    return bytes;
}

void spoil(const fs::path& intactParent, const std::string& file, DamagedMedia::Damage damage,
           const fs::path& target)
{
    using DamagedMedia::Damage;
    const fs::path intact = intactParent / file;
    switch (damage)
    {
    case Damage::Missing:
        return;
    case Damage::Empty:
        writeAll(target, "");
        return;
    case Damage::TruncatedToAThird:
    {
        const Bytes bytes = readAll(intact);
        writeAll(target, bytes.substr(0, bytes.size() / 3));
        return;
    }
    case Damage::RandomBytes:
        writeAll(target, randomBytes(fs::file_size(intact), file));
        return;
    case Damage::AnotherFormat:
        writeAll(target, readAll(intactParent /
                                 (isImage(file) ? MediaFiles::Explosion : MediaFiles::PlayerShip)));
        return;
    case Damage::FolderInItsPlace:
        fs::create_directories(target / "inside");
        return;
    case Damage::HeaderClaimsHugeImage:
        writeAll(target, pngClaiming(60000, 60000));
        return;
    case Damage::LargerThanMaxTexture:
        writeOversizedImage(target);
        return;
    }
}
} // namespace

const std::vector<DamagedMedia::Damage>& DamagedMedia::everyDamage()
{
    static const std::vector<Damage> all = {Damage::Missing,
                                            Damage::Empty,
                                            Damage::TruncatedToAThird,
                                            Damage::RandomBytes,
                                            Damage::AnotherFormat,
                                            Damage::FolderInItsPlace,
                                            Damage::HeaderClaimsHugeImage,
                                            Damage::LargerThanMaxTexture};
    return all;
}

std::string DamagedMedia::nameOf(Damage damage)
{
    switch (damage)
    {
    case Damage::Missing:
        return "Missing";
    case Damage::Empty:
        return "Empty";
    case Damage::TruncatedToAThird:
        return "TruncatedToAThird";
    case Damage::RandomBytes:
        return "RandomBytes";
    case Damage::AnotherFormat:
        return "AnotherFormat";
    case Damage::FolderInItsPlace:
        return "FolderInItsPlace";
    case Damage::HeaderClaimsHugeImage:
        return "HeaderClaimsHugeImage";
    case Damage::LargerThanMaxTexture:
        return "LargerThanMaxTexture";
    }
    return "Unknown";
}

const std::vector<std::string>& DamagedMedia::catalogue()
{
    static const std::vector<std::string> files = {
        MediaFiles::LoadScreenNeutral,
        MediaFiles::LoadScreenPlay,
        MediaFiles::LoadScreenExit,
        MediaFiles::Hover,
        MediaFiles::MenuSong,
        MediaFiles::PlayerShip,
        MediaFiles::EnemyA,
        MediaFiles::EnemyB,
        MediaFiles::EnemyC,
        MediaFiles::BossA,
        MediaFiles::Bolt,
        MediaFiles::AddShip,
        MediaFiles::BulletSpeed,
        MediaFiles::Beam,
        MediaFiles::Galaxy,
        MediaFiles::Wall,
        MediaFiles::Laser,
        MediaFiles::Explosion,
        MediaFiles::PowerUp,
        MediaFiles::DigitalTech,
        MediaFiles::LoseScreen,
        MediaFiles::Lose,
        MediaFiles::Lose2,
    };
    return files;
}

TemporaryFolder DamagedMedia::makeCopy(const fs::path& intactParent, const std::string& file,
                                       Damage damage)
{
    TemporaryFolder folder("damaged");
    for (const std::string& each : catalogue())
    {
        const fs::path target = folder / each;
        fs::create_directories(target.parent_path());
        if (each == file)
            spoil(intactParent, file, damage, target);
        else
            fs::create_symlink(fs::absolute(intactParent / each), target);
    }
    return folder;
}
