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
#include <utility>
#include <vector>

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

Bytes littleEndian(std::uint64_t value, int bytes)
{
    Bytes result;
    for (int i = 0; i < bytes; ++i)
        result += static_cast<char>(value >> (8 * i));
    return result;
}

// A CRC from zero, most significant bit first: FLAC's (8 and 16 bits) and Ogg's.
std::uint32_t crcFromTop(const Bytes& bytes, int width, std::uint32_t polynomial)
{
    const std::uint64_t top = 1ull << (width - 1);
    std::uint64_t crc = 0;
    for (const unsigned char byte : bytes)
    {
        crc ^= static_cast<std::uint64_t>(byte) << (width - 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = ((crc & top) != 0 ? crc << 1 ^ polynomial : crc << 1) & (top * 2 - 1);
    }
    return static_cast<std::uint32_t>(crc);
}

// An Ogg page's checksum, over the page with the checksum zeroed.
Bytes withOggChecksum(Bytes page)
{
    page.replace(22, 4, 4, '\0');
    return page.replace(22, 4, littleEndian(crcFromTop(page, 32, 0x04C11DB7u), 4));
}

// The song with a field of its first or last page changed, and the page's
// checksum mended so that the decoder believes it.
Bytes songWith(const fs::path& intactParent, bool lastPage, std::size_t field, const Bytes& value)
{
    Bytes song = readAll(intactParent / MediaFiles::MenuSong);
    const std::size_t page = lastPage ? song.rfind("OggS") : 0;
    const std::size_t end = lastPage ? song.size() : song.find("OggS", 4);
    const Bytes changed = song.substr(page, end - page).replace(field, value.size(), value);
    return song.replace(page, end - page, withOggChecksum(changed));
}

// Bits packed from the least significant up, as Vorbis and deflate pack
// values; a Huffman code goes most significant bit first.
struct Bits
{
    Bytes bytes;
    unsigned used = 0;

    void bit(unsigned value)
    {
        if (used == 0)
            bytes += '\0';
        bytes.back() = static_cast<char>(bytes.back() | value << used);
        used = (used + 1) % 8;
    }
    void put(std::uint64_t value, std::uint64_t count)
    {
        for (std::uint64_t i = 0; i < count; ++i)
            bit(i < 64 ? static_cast<unsigned>(value >> i) & 1u : 0u);
    }
    void code(unsigned value, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bit(value >> i & 1u);
    }
};

Bytes oggPage(char type, std::uint64_t granule, std::uint32_t sequence,
              const std::vector<Bytes>& packets)
{
    Bytes lacing;
    Bytes body;
    for (const Bytes& packet : packets)
    {
        lacing += Bytes(packet.size() / 255, '\xFF') + static_cast<char>(packet.size() % 255);
        body += packet;
    }
    return withOggChecksum(Bytes("OggS\0", 5) + type + littleEndian(granule, 8) +
                           littleEndian(1, 4) + littleEndian(sequence, 4) + Bytes(4, '\0') +
                           static_cast<char>(lacing.size()) + lacing + body);
}

// Stereo Vorbis at 44.1 kHz whose setup holds `books` codebooks of 2^log2
// entries, lengths in order, then the least libvorbis takes: an empty time
// slot, floor 1 without partitions, residue 0, mapping 0, one mode. On
// decoding, libvorbis puts 8 bytes an entry of each book on the stack and
// allocates some 10 more. Two pages of an empty audio packet give it samples.
Bytes vorbisWithCodebooks(int books, int log2)
{
    Bits setup;
    setup.put(static_cast<unsigned>(books - 1), 8);
    const std::uint64_t entries = 1ull << log2;
    const auto length = static_cast<std::uint64_t>(log2);
    for (int book = 0; book < books; ++book)
        for (const auto& [value, count] :
             std::initializer_list<std::pair<std::uint64_t, int>>{{0x564342, 24},
                                                                  {1, 16},
                                                                  {entries, 24},
                                                                  {1, 1},
                                                                  {length - 1, 5},
                                                                  {entries, log2 + 1},
                                                                  {0, 4}})
            setup.put(value, static_cast<std::uint64_t>(count));
    setup.put(0, 6 + 16 + 6); // one time slot, one floor
    setup.put(1, 16);         // of type 1
    // The rest of the floor, residue 0, mapping 0 and the mode: all zero.
    setup.put(0, 11 + (6 + 16 + 72 + 6 + 8 + 4) + (6 + 16 + 4 + 24) + (6 + 1 + 32 + 8));
    setup.put(1, 1);
    const Bytes identification =
        Bytes("\x01vorbis\0\0\0\0\x02", 12) + littleEndian(44100, 4) + Bytes(12, '\0') + "\xB8\x01";
    const Bytes comments = Bytes("\x03vorbis\x08\0\0\0Vantorix\0\0\0\0\x01", 24);
    return oggPage(2, 0, 0, {identification}) +
           oggPage(0, 0, 1, {comments, "\x05vorbis" + setup.bytes}) +
           oggPage(0, 0, 2, {Bytes(1, '\0')}) + oggPage(4, 4096, 3, {Bytes(1, '\0')});
}

// FLAC of 16 samples at 16 bits whose one frame claims `bits` a sample: block
// size and rate coded, mono, frame 0, one constant subframe of zero.
Bytes flacWithFrameBits(int bits)
{
    const Bytes streamInfo = Bytes("\0\x10\0\x10", 4) + Bytes(6, '\0') +
                             bigEndian(44100u << 12 | 15u << 4) + bigEndian(16) + Bytes(16, '\0');
    Bytes frame = Bytes("\xFF\xF8\x69") + static_cast<char>((bits == 12 ? 2 : 5) << 1) +
                  Bytes(1, '\0') + "\x0F";
    frame += static_cast<char>(crcFromTop(frame, 8, 0x07));
    frame += Bytes(static_cast<std::size_t>(8 + bits + 7) / 8, '\0');
    const std::uint32_t crc = crcFromTop(frame, 16, 0x8005);
    return Bytes("fLaC\x80\0\0\x22", 8) + streamInfo + frame + bigEndian(crc).substr(2);
}

// A PNG of 1 x 1 pixels whose one dynamic deflate block codes only a literal
// zero (2 bits), the end (2 bits) and a copy of 258 bytes (1 bit) at the one
// distance, 1 (1 bit): a zero, then copies of 258 zeros at two bits each.
Bytes pngInflatingTo(std::uint64_t inflated)
{
    Bits deflate;
    deflate.put(1 | 2 << 1 | 29 << 3 | 0 << 8 | 14 << 13, 17); // last, dynamic, 286, 1, 18 codes
    // The code length codes' lengths, in their odd order: 18 is '0', 1 '10', 2 '11'.
    for (const int length : {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2})
        deflate.put(static_cast<unsigned>(length), 3);
    // Literal 0: 2; 255 zeros; 256: 2; 28 zeros; 285: 1; distance 0: 1.
    const auto zeros = [&](unsigned count)
    {
        deflate.code(0, 1); // 18: a zero, 11 times and more
        deflate.put(count - 11, 7);
    };
    deflate.code(3, 2);
    zeros(138);
    zeros(117);
    deflate.code(3, 2);
    zeros(28);
    for (int code = 0; code < 3; ++code) // 285 and the distance; then the data: the literal zero
        deflate.code(2, 2);
    const std::uint64_t copies = (inflated - 1) / 258;
    deflate.put(0, 2 * copies);
    deflate.code(3, 2);
    const std::uint32_t adler = static_cast<std::uint32_t>((1 + 258 * copies) % 65521) << 16 | 1;
    const Bytes header = bigEndian(1) + bigEndian(1) + Bytes{8, 6, 0, 0, 0};
    return Bytes("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", "\x78\x01" + deflate.bytes + bigEndian(adler)) + pngChunk("IEND", "");
}

// A progressive JPEG of side x side pixels in three components of one block
// an MCU, all with one DC code ('0' for no difference), and `scans` scans of
// the DC of all three with no data.
Bytes jpegWithEmptyScans(unsigned int side, int scans)
{
    Bytes jpeg = Bytes("\xFF\xD8\xFF\xDB\0\x43\0", 7) + Bytes(64, '\x01') +
                 Bytes("\xFF\xC2\0\x11\x08", 5) + bigEndian(side << 16 | side) +
                 Bytes("\x03\x01\x11\0\x02\x11\0\x03\x11\0\xFF\xC4\0\x14\0\x01", 16) +
                 Bytes(16, '\0');
    for (int scan = 0; scan < scans; ++scan)
        jpeg += Bytes("\xFF\xDA\0\x0C\x03\x01\0\x02\0\x03\0\0\0\0", 14);
    return jpeg + "\xFF\xD9";
}

// A mono 16-bit WAV of the plain 44-byte header made stereo, of an odd sample count.
Bytes stereoWithOddSamples(Bytes wav)
{
    const auto field = [&](std::size_t at)
    {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(wav[at]) |
                                          static_cast<unsigned char>(wav[at + 1]) << 8 |
                                          static_cast<unsigned char>(wav[at + 2]) << 16);
    };
    const std::uint32_t odd = (field(40) / 2 - 1) | 1;
    wav.replace(22, 2, littleEndian(2, 2)).replace(28, 4, littleEndian(field(24) * 4, 4));
    wav.replace(32, 2, littleEndian(4, 2)).replace(40, 4, littleEndian(odd * 2, 4));
    return wav.substr(0, 44 + odd * 2).replace(4, 4, littleEndian(36 + odd * 2, 4));
}

// The font with the units per em of its head table changed.
Bytes withUnitsPerEm(Bytes font, unsigned unitsPerEm)
{
    const auto number = [&](std::size_t at, int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value =
                value << 8 | static_cast<unsigned char>(font.at(at + static_cast<std::size_t>(i)));
        return value;
    };
    for (std::uint32_t table = 0; table < number(4, 2); ++table)
        if (font.compare(12 + 16 * table, 4, "head") == 0)
            return font.replace(number(12 + 16 * table + 8, 4) + 18, 2,
                                bigEndian(unitsPerEm).substr(2));
    throw std::invalid_argument("a font without a head table");
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
        return writeAll(target, vorbisWithCodebooks(1, 20));
    case Damage::OggManyCodebooks:
        return writeAll(target, vorbisWithCodebooks(214, 19));
    case Damage::FlacTwelveBitFrames:
        return writeAll(target, flacWithFrameBits(12));
    case Damage::FontTinyEm:
        return writeAll(target, withUnitsPerEm(readAll(intact), 16));
    case Damage::PngInflatingHuge:
        return writeAll(target, pngInflatingTo(1400000000));
    case Damage::JpegThousandScans:
        return writeAll(target, jpegWithEmptyScans(2048, 1000));
    case Damage::WavStereoOddSamples:
        return writeAll(target, stereoWithOddSamples(readAll(intact)));
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
    std::vector<std::string> files = catalogue();
    files.insert(files.end(), {MediaFiles::WindowIcon, MediaFiles::Hit}); // opened without a line
    for (const std::string& each : files)
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
