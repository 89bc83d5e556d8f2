#include "support/CraftedMedia.hpp"

#include <initializer_list>
#include <stdexcept>

using CraftedMedia::Bytes;

namespace
{
// Bits packed from the least significant up, as Vorbis and deflate pack values.
class Bits
{
public:
    void put(std::uint64_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            bit(static_cast<unsigned>(value >> i) & 1u);
    }
    // A Huffman code, its most significant bit first.
    void code(std::uint32_t value, int length)
    {
        for (int i = length - 1; i >= 0; --i)
            bit((value >> i) & 1u);
    }
    void zeros(std::uint64_t count)
    {
        for (; count > 0 && mUsed != 0; --count)
            bit(0);
        mBytes.append(static_cast<std::size_t>(count / 8), '\0');
        for (count %= 8; count > 0; --count)
            bit(0);
    }
    const Bytes& bytes() const { return mBytes; }

private:
    void bit(unsigned value)
    {
        if (mUsed == 0)
            mBytes += '\0';
        mBytes.back() = static_cast<char>(mBytes.back() | value << mUsed);
        mUsed = (mUsed + 1) % 8;
    }

    Bytes mBytes;
    unsigned mUsed = 0;
};

Bytes bigEndian16(unsigned value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

Bytes oggPage(char type, std::uint64_t granule, std::uint32_t sequence,
              std::initializer_list<Bytes> packets)
{
    Bytes lacing;
    Bytes body;
    for (const Bytes& packet : packets)
    {
        lacing += Bytes(packet.size() / 255, '\xFF') + static_cast<char>(packet.size() % 255);
        body += packet;
    }
    using CraftedMedia::littleEndian;
    return CraftedMedia::withOggChecksum(Bytes("OggS\0", 5) + type + littleEndian(granule, 8) +
                                         littleEndian(0x7A11, 4) + littleEndian(sequence, 4) +
                                         Bytes(4, '\0') + static_cast<char>(lacing.size()) +
                                         lacing + body);
}

// The smallest setup that libvorbis takes: the codebooks (lengths in order, no
// lookup), then one each of an empty time slot, floor 1 without partitions,
// residue 0 of one partition, mapping 0 and mode, and the framing bit.
Bytes vorbisSetup(int books, int entriesLog2)
{
    Bits bits;
    bits.put(static_cast<unsigned>(books - 1), 8);
    for (int book = 0; book < books; ++book)
    {
        bits.put(0x564342, 24);
        bits.put(1, 16); // dimensions
        bits.put(1ull << entriesLog2, 24);
        bits.put(1, 1);                                      // ordered lengths
        bits.put(static_cast<unsigned>(entriesLog2 - 1), 5); // the first length, less one
        bits.put(1ull << entriesLog2, entriesLog2 + 1);      // entries of that length
        bits.put(0, 4);                                      // no lookup
    }
    for (const auto& [value, count] : std::initializer_list<std::pair<unsigned, int>>{
             {0, 6}, {0, 16},                                                    // time
             {0, 6}, {1, 16}, {0, 5},  {0, 2},  {0, 4},                          // floor
             {0, 6}, {0, 16}, {0, 24}, {0, 24}, {0, 24}, {0, 6}, {0, 8}, {0, 4}, // residue
             {0, 6}, {0, 16}, {0, 4},  {0, 24},                                  // mapping
             {0, 6}, {0, 1},  {0, 32}, {0, 8},                                   // mode
             {1, 1}})
        bits.put(value, count);
    return Bytes("\x05vorbis") + bits.bytes();
}

std::uint8_t crc8(const Bytes& bytes)
{
    unsigned crc = 0;
    for (const unsigned char byte : bytes)
    {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80 ? crc << 1 ^ 0x07 : crc << 1) & 0xFF;
    }
    return static_cast<std::uint8_t>(crc);
}

unsigned crc16(const Bytes& bytes)
{
    unsigned crc = 0;
    for (const unsigned char byte : bytes)
    {
        crc ^= static_cast<unsigned>(byte) << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000 ? crc << 1 ^ 0x8005 : crc << 1) & 0xFFFF;
    }
    return crc;
}
} // namespace

std::uint32_t CraftedMedia::crc32(const Bytes& bytes)
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

Bytes CraftedMedia::bigEndian(std::uint32_t value)
{
    return bigEndian16(value >> 16) + bigEndian16(value & 0xFFFF);
}

Bytes CraftedMedia::littleEndian(std::uint64_t value, int bytes)
{
    Bytes result;
    for (int i = 0; i < bytes; ++i)
        result += static_cast<char>(value >> (8 * i));
    return result;
}

Bytes CraftedMedia::pngChunk(const Bytes& type, const Bytes& data)
{
    return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data +
           bigEndian(crc32(type + data));
}

// CRC-32, most significant bit first, over the page with the checksum zeroed.
Bytes CraftedMedia::withOggChecksum(Bytes page)
{
    page.replace(22, 4, 4, '\0');
    std::uint32_t crc = 0;
    for (const unsigned char byte : page)
    {
        crc ^= static_cast<std::uint32_t>(byte) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc << 1) ^ (0x04C11DB7u & (0u - (crc >> 31)));
    }
    return page.replace(22, 4, littleEndian(crc, 4));
}

Bytes CraftedMedia::vorbisWithCodebooks(int books, int entriesLog2)
{
    const Bytes identification =
        Bytes("\x01vorbis\0\0\0\0\x02", 12) + littleEndian(44100, 4) + Bytes(12, '\0') + "\xB8\x01";
    const Bytes comments = Bytes("\x03vorbis\x08\0\0\0Vantorix\0\0\0\0\x01", 24);
    // Two pages of one empty audio packet each: the first one's position
    // starts the count, so that the stream claims samples to decode.
    return oggPage(2, 0, 0, {identification}) +
           oggPage(0, 0, 1, {comments, vorbisSetup(books, entriesLog2)}) +
           oggPage(0, 0, 2, {Bytes(1, '\0')}) + oggPage(4, 4096, 3, {Bytes(1, '\0')});
}

Bytes CraftedMedia::flacWithFrameBits(int bits)
{
    // 16 samples of one channel at 44.1 kHz, 16 bits a sample.
    const Bytes streamInfo = bigEndian16(16) + bigEndian16(16) + Bytes(6, '\0') +
                             bigEndian(44100u << 12 | 15u << 4) + bigEndian(16) + Bytes(16, '\0');
    const int sizeCode = bits == 8 ? 1 : bits == 12 ? 2 : bits == 16 ? 4 : bits == 20 ? 5 : 6;
    // Block size and rate coded, mono, the sample size, frame 0, 16 samples less one.
    Bytes frame =
        Bytes("\xFF\xF8\x69") + static_cast<char>(sizeCode << 1) + Bytes(1, '\0') + "\x0F";
    frame += static_cast<char>(crc8(frame));
    // One constant subframe of value 0, then the frame's checksum.
    frame += Bytes(static_cast<std::size_t>((8 + bits + 7) / 8), '\0');
    return Bytes("fLaC\x80\0\0\x22", 8) + streamInfo + frame + bigEndian16(crc16(frame));
}

// One dynamic deflate block whose codes are 0 (literal 0, 2 bits), 256 (end,
// 2 bits) and 285 (a copy of 258 bytes, 1 bit), with one distance code (1, 1
// bit): a first zero, then copies of 258 zeros at two bits each.
Bytes CraftedMedia::pngInflatingTo(std::uint64_t inflated)
{
    const std::uint64_t copies = (inflated - 1) / 258;
    Bits bits;
    bits.put(1, 1);
    bits.put(2, 2);
    bits.put(29, 5); // 286 literal and length codes
    bits.put(0, 5);  // one distance code
    bits.put(14, 4); // 18 code length codes, in their odd order
    for (const int length : {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2})
        bits.put(static_cast<unsigned>(length), 3);
    // The code lengths: 18 is '0', 1 is '10', 2 is '11'; 18 repeats a zero 11 and up times.
    bits.code(3, 2);
    for (const unsigned zeros : {138u, 117u, 0u, 28u})
    {
        if (zeros == 0)
        {
            bits.code(3, 2);
            continue;
        }
        bits.code(0, 1);
        bits.put(zeros - 11, 7);
    }
    bits.code(2, 2);
    bits.code(2, 2);
    bits.code(2, 2);
    bits.zeros(2 * copies);
    bits.code(3, 2);
    const std::uint64_t total = 1 + 258 * copies;
    const Bytes zlib = Bytes("\x78\x01") + bits.bytes() + bigEndian16(total % 65521) + "\0\x01";
    return Bytes("\x89PNG\r\n\x1a\n", 8) +
           pngChunk("IHDR", bigEndian(1) + bigEndian(1) + Bytes("\x08\x06\0\0\0", 5)) +
           pngChunk("IDAT", zlib) + pngChunk("IEND", "");
}

Bytes CraftedMedia::jpegWithEmptyScans(unsigned int side, int scans)
{
    // Three components, each of one block an MCU, all with the same tables.
    const Bytes components = Bytes("\x01\x11\0\x02\x11\0\x03\x11\0", 9);
    Bytes jpeg = Bytes("\xFF\xD8\xFF\xDB\0\x43\0", 7) + Bytes(64, '\x01');
    jpeg += Bytes("\xFF\xC2\0\x11\x08", 5) + bigEndian16(side) + bigEndian16(side) + "\x03" +
            components;
    jpeg += Bytes("\xFF\xC4\0\x14\0\x01", 6) + Bytes(16, '\0'); // one DC code, '0' for 0
    for (int scan = 0; scan < scans; ++scan)
        jpeg += Bytes("\xFF\xDA\0\x0C\x03\x01\0\x02\0\x03\0\0\0\0", 14);
    return jpeg + "\xFF\xD9";
}

// The game's WAV files have the plain 44-byte header.
Bytes CraftedMedia::stereoWithOddSamples(Bytes wav)
{
    const auto at = [&](std::size_t offset)
    {
        std::uint64_t value = 0;
        for (std::size_t i = 4; i-- > 0;)
            value = value << 8 | static_cast<unsigned char>(wav.at(offset + i));
        return value;
    };
    const std::uint64_t samples = at(40) / 2;
    const std::uint64_t odd = samples % 2 == 1 ? samples : samples - 1;
    const std::uint64_t rate = at(24);
    wav.replace(22, 2, littleEndian(2, 2)).replace(28, 4, littleEndian(rate * 4, 4));
    wav.replace(32, 2, littleEndian(4, 2)).replace(40, 4, littleEndian(odd * 2, 4));
    return wav.substr(0, 44 + odd * 2).replace(4, 4, littleEndian(36 + odd * 2, 4));
}

Bytes CraftedMedia::fontWithUnitsPerEm(Bytes font, std::uint16_t unitsPerEm)
{
    const auto at = [&](std::size_t offset, int bytes)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | static_cast<unsigned char>(font.at(offset + i));
        return value;
    };
    for (std::uint32_t table = 0; table < at(4, 2); ++table)
        if (font.compare(12 + 16 * table, 4, "head") == 0)
            return font.replace(at(12 + 16 * table + 8, 4) + 18, 2, bigEndian16(unitsPerEm));
    throw std::invalid_argument("a font without a head table");
}
