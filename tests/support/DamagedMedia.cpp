#include "support/DamagedMedia.hpp"

#include "resources/MediaFiles.hpp"
#include "support/CraftedMedia.hpp"

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
using namespace CraftedMedia;

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

// A well-formed PNG start whose header claims the given size; the pixel data
// that would follow is a few bytes only.
Bytes pngClaiming(std::uint32_t width, std::uint32_t height)
{
    const Bytes header = bigEndian(width) + bigEndian(height) + Bytes{8, 6, 0, 0, 0};
    const Bytes pixels = {'\x78', '\x9c', '\x63', '\x00', '\x00', '\x00', '\x01', '\x00', '\x01'};
    return Bytes("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) + pngChunk("IDAT", pixels) +
           pngChunk("IEND", "");
}

// The song with a field of its first or last page changed, and the page's
// checksum (CRC-32, most significant bit first, over the page with the
// checksum zeroed) mended so that the decoder believes it.
Bytes songWith(const fs::path& intactParent, bool lastPage, std::size_t field, const Bytes& value)
{
    Bytes song = readAll(intactParent / MediaFiles::MenuSong);
    const std::size_t page = lastPage ? song.rfind("OggS") : 0;
    const std::size_t end = lastPage ? song.size() : song.find("OggS", 4);
    const Bytes changed = song.substr(page, end - page).replace(field, value.size(), value);
    return song.replace(page, end - page, CraftedMedia::withOggChecksum(changed));
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
    case Damage::WavDataBeforeFormat:
        writeAll(target, readAll(intact).replace(12, 1, "b"));
        return;
    case Damage::WavClaimingFourGiB:
        writeAll(target,
                 readAll(intact).substr(0, 40) + littleEndian(0xFFFFFFF0u, 4) + Bytes(200, 0));
        return;
    case Damage::FlacClaimingHugeLength:
    {
        Bytes flac = readAll(intact);
        flac[21] = static_cast<char>(flac[21] | 0x0F);
        writeAll(target, flac.replace(22, 4, "\xFF\xFF\xFF\xFF"));
        return;
    }
    case Damage::OggClaimingHugeLength:
        writeAll(target, songWith(intactParent, true, 6, littleEndian(1ull << 40, 8)));
        return;
    case Damage::OggClaimingHugeRate:
        // The identification header follows the page header and its one-byte lacing table.
        writeAll(target, songWith(intactParent, false, 28 + 12, littleEndian(0x7FFFFFFF, 4)));
        return;
    case Damage::TgaClaimingHugeImage:
        writeAll(target, Bytes{0, 0, 2} + Bytes(9, 0) + littleEndian(16384, 2) +
                             littleEndian(16384, 2) + Bytes{32, 8} + Bytes(64, 0));
        return;
    case Damage::OggHugeCodebook:
        writeAll(target, vorbisWithCodebooks(1, 20));
        return;
    case Damage::OggManyCodebooks:
        writeAll(target, vorbisWithCodebooks(214, 19));
        return;
    case Damage::FlacTwelveBitFrames:
        writeAll(target, flacWithFrameBits(12));
        return;
    case Damage::FontTinyEm:
        writeAll(target, fontWithUnitsPerEm(readAll(intact), 16));
        return;
    case Damage::PngInflatingHuge:
        writeAll(target, pngInflatingTo(1400000000));
        return;
    case Damage::JpegThousandScans:
        writeAll(target, jpegWithEmptyScans(2048, 1000));
        return;
    case Damage::WavStereoOddSamples:
        writeAll(target, stereoWithOddSamples(readAll(intact)));
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

const std::vector<std::tuple<std::string, DamagedMedia::Damage>>& DamagedMedia::reproductions()
{
    static const std::vector<std::tuple<std::string, Damage>> found = {
        {MediaFiles::Laser, Damage::WavDataBeforeFormat},
        {MediaFiles::Hover, Damage::WavClaimingFourGiB},
        {MediaFiles::Lose, Damage::FlacClaimingHugeLength},
        {MediaFiles::PowerUp, Damage::OggClaimingHugeLength},
        {MediaFiles::MenuSong, Damage::OggClaimingHugeRate},
        {MediaFiles::Beam, Damage::TgaClaimingHugeImage},
        {MediaFiles::MenuSong, Damage::OggHugeCodebook},
        {MediaFiles::Laser, Damage::OggHugeCodebook},
        {MediaFiles::Hit, Damage::OggHugeCodebook},
        {MediaFiles::Explosion, Damage::OggManyCodebooks},
        {MediaFiles::Lose, Damage::FlacTwelveBitFrames},
        {MediaFiles::DigitalTech, Damage::FontTinyEm},
        {MediaFiles::WindowIcon, Damage::PngInflatingHuge},
        {MediaFiles::LoadScreenNeutral, Damage::JpegThousandScans},
        {MediaFiles::Hover, Damage::WavStereoOddSamples},
    };
    return found;
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
    case Damage::WavDataBeforeFormat:
        return "WavDataBeforeFormat";
    case Damage::WavClaimingFourGiB:
        return "WavClaimingFourGiB";
    case Damage::FlacClaimingHugeLength:
        return "FlacClaimingHugeLength";
    case Damage::OggClaimingHugeLength:
        return "OggClaimingHugeLength";
    case Damage::OggClaimingHugeRate:
        return "OggClaimingHugeRate";
    case Damage::TgaClaimingHugeImage:
        return "TgaClaimingHugeImage";
    case Damage::OggHugeCodebook:
        return "OggHugeCodebook";
    case Damage::OggManyCodebooks:
        return "OggManyCodebooks";
    case Damage::FlacTwelveBitFrames:
        return "FlacTwelveBitFrames";
    case Damage::FontTinyEm:
        return "FontTinyEm";
    case Damage::PngInflatingHuge:
        return "PngInflatingHuge";
    case Damage::JpegThousandScans:
        return "JpegThousandScans";
    case Damage::WavStereoOddSamples:
        return "WavStereoOddSamples";
    }
    return "Unknown";
}

const std::vector<std::string>& DamagedMedia::catalogue()
{
    static const std::vector<std::string> files = {
        MediaFiles::WindowIcon,     MediaFiles::LoadScreenNeutral,
        MediaFiles::LoadScreenPlay, MediaFiles::LoadScreenExit,
        MediaFiles::Hover,          MediaFiles::MenuSong,
        MediaFiles::PlayerShip,     MediaFiles::EnemyA,
        MediaFiles::EnemyB,         MediaFiles::EnemyC,
        MediaFiles::BossA,          MediaFiles::Bolt,
        MediaFiles::AddShip,        MediaFiles::BulletSpeed,
        MediaFiles::Beam,           MediaFiles::Galaxy,
        MediaFiles::Wall,           MediaFiles::Laser,
        MediaFiles::Explosion,      MediaFiles::PowerUp,
        MediaFiles::DigitalTech,    MediaFiles::Hit,
        MediaFiles::LoseScreen,     MediaFiles::Lose,
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
