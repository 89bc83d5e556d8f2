#include "resources/MediaCheck.hpp"

#include "resources/MediaBytes.hpp"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

// The sound formats SFML decodes, read as far as the decoder's claims: the
// channels, the rate and how many samples it will allocate room for.
namespace
{
using namespace MediaBytes;

struct Claim
{
    std::uint32_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint64_t samples = 0; // over all channels, as SFML counts them
};

constexpr std::uint32_t LowestRate = 8000;
constexpr std::uint32_t HighestRate = 192000;

// SFML's Ogg reader is tried before its WAV reader, and finds a page anywhere in
// the first 64 KiB: a WAV or FLAC file holding one would be decoded as Ogg.
constexpr std::uint64_t OggSearchLength = 65536 + 4;
const std::string OggCapture = "OggS";

std::string readBytes(std::istream& in, std::uint64_t count)
{
    std::string bytes(static_cast<std::size_t>(count), '\0');
    in.read(&bytes[0], static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool holdsOggPage(std::istream& in, std::uint64_t fileSize)
{
    in.clear();
    in.seekg(0);
    return readBytes(in, std::min(fileSize, OggSearchLength)).find(OggCapture) != std::string::npos;
}

// The format chunk as SFML's WAV reader takes it: plain PCM, or the extensible
// format holding plain PCM at the size of its sample containers.
bool readWavFormat(std::istream& in, std::uint64_t size, Claim& claim, std::uint32_t& sampleBytes)
{
    const std::uint32_t format = readLittleEndian(in, 2);
    claim.channels = readLittleEndian(in, 2);
    claim.sampleRate = readLittleEndian(in, 4);
    readLittleEndian(in, 4); // bytes a second
    const std::uint32_t blockAlign = readLittleEndian(in, 2);
    const std::uint32_t bits = readLittleEndian(in, 2);
    if (!in || size < 16 || (bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return false;
    sampleBytes = bits / 8;
    if (blockAlign != claim.channels * sampleBytes)
        return false;
    if (format == 1)
        return true;
    if (format != 0xFFFE || size < 40)
        return false;
    readLittleEndian(in, 2); // size of the extension
    const std::uint32_t validBits = readLittleEndian(in, 2);
    readLittleEndian(in, 4); // channel mask
    return validBits == bits &&
           startsWith(in, std::string("\x01\0\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 16));
}

// Chunks one after the other, with no padding, as SFML walks them: a format
// chunk before the data, each chunk inside the file.
bool readWav(std::istream& in, std::uint64_t fileSize, Claim& claim)
{
    if (!startsWith(in, "RIFF"))
        return false;
    readLittleEndian(in, 4); // the size of the whole, which SFML ignores
    if (!startsWith(in, "WAVE"))
        return false;
    std::uint32_t sampleBytes = 0; // none until a format chunk says
    while (true)
    {
        const std::uint32_t id = readBigEndian(in, 4);
        const std::uint64_t size = readLittleEndian(in, 4);
        const std::uint64_t start = static_cast<std::uint64_t>(in.tellg());
        if (!in || start + size > fileSize)
            return false;
        if (id == tag("data"))
        {
            claim.samples = sampleBytes == 0 ? 0 : size / sampleBytes;
            return sampleBytes != 0;
        }
        if (id == tag("fmt ") && !readWavFormat(in, size, claim, sampleBytes))
            return false;
        in.seekg(static_cast<std::streamoff>(start + size));
    }
}

// The stream information, which must come first and come once, holds the whole claim.
bool readFlac(std::istream& in, std::uint64_t fileSize, Claim& claim)
{
    constexpr std::uint32_t StreamInfo = 0;
    constexpr std::uint32_t StreamInfoLength = 34;
    if (!startsWith(in, "fLaC"))
        return false;
    const std::uint32_t header = readBigEndian(in, 4);
    if ((header >> 24 & 0x7F) != StreamInfo || (header & 0xFFFFFF) != StreamInfoLength)
        return false;
    in.seekg(10, std::ios::cur); // block and frame sizes
    const std::uint64_t packed =
        static_cast<std::uint64_t>(readBigEndian(in, 4)) << 32 | readBigEndian(in, 4);
    // 20 bits of rate, 3 of channels less one, 5 of bits less one, 36 of samples a channel.
    claim.sampleRate = static_cast<std::uint32_t>(packed >> 44);
    claim.channels = static_cast<std::uint32_t>(packed >> 41 & 7) + 1;
    const std::uint32_t bits = static_cast<std::uint32_t>(packed >> 36 & 31) + 1;
    const std::uint64_t frames = packed & 0xFFFFFFFFFull;
    claim.samples = frames * claim.channels;
    // A FLAC frame takes at least ten bytes and holds at most 65535 samples a channel.
    if (!in || (bits != 8 && bits != 16 && bits != 24 && bits != 32) ||
        frames > (fileSize / 10 + 1) * 65535)
        return false;
    // The other blocks, each inside the file. The decoder takes every block of
    // stream information it meets: a second one would replace this claim.
    std::uint64_t offset = 8 + StreamInfoLength;
    for (bool last = header >> 31 != 0; !last;)
    {
        in.seekg(static_cast<std::streamoff>(offset));
        const std::uint32_t block = readBigEndian(in, 4);
        last = block >> 31 != 0;
        offset += 4 + (block & 0xFFFFFF);
        if (!in || (block >> 24 & 0x7F) == StreamInfo || offset > fileSize)
            return false;
    }
    return true;
}

std::uint64_t readLittleEndian64(std::istream& in)
{
    const std::uint64_t low = readLittleEndian(in, 4);
    return low | static_cast<std::uint64_t>(readLittleEndian(in, 4)) << 32;
}

// The first packet of the stream: its type, "vorbis", the version, then the
// channel count and the rate.
bool readVorbisIdentification(const std::string& packet, Claim& claim)
{
    std::istringstream in(packet);
    if (!startsWith(in, "\x01vorbis") || readLittleEndian(in, 4) != 0)
        return false;
    claim.channels = readLittleEndian(in, 1);
    claim.sampleRate = readLittleEndian(in, 4);
    return static_cast<bool>(in);
}

// One Vorbis stream, page after page from the first byte: the first page
// starts it with the identification header, every page belongs to it, the
// granule positions (samples a channel so far; -1 where no packet ends) never
// go back, and no page hides inside another, where the decoder, looking for
// the last page from the end, would find it. A page cut short by the end of
// the file ends the stream, for the decoder too.
bool readOgg(std::istream& in, std::uint64_t fileSize, Claim& claim)
{
    constexpr std::size_t PageHeader = 27;
    std::uint64_t offset = 0;
    std::uint32_t serial = 0;
    std::int64_t lastGranule = 0;
    // Pages are read one after another from where the last ended, without a
    // seek, which would throw the stream's buffer away at every page.
    while (offset < fileSize)
    {
        std::string page = readBytes(in, PageHeader);
        std::size_t bodyStart = PageHeader;
        std::uint64_t wholeSize = PageHeader;
        if (page.size() == PageHeader)
        {
            const std::string lacing = readBytes(in, static_cast<std::uint8_t>(page.back()));
            bodyStart += static_cast<std::uint8_t>(page.back());
            wholeSize = bodyStart;
            for (const char value : lacing)
                wholeSize += static_cast<std::uint8_t>(value);
            page += lacing + readBytes(in, wholeSize - PageHeader - lacing.size());
        }
        if (page.compare(0, 4, OggCapture) != 0 || page.find(OggCapture, 1) != std::string::npos)
            return false;
        if (page.size() < wholeSize)
            break;

        std::istringstream fields(page.substr(4, PageHeader - 4));
        const int version = fields.get();
        const int type = fields.get();
        const auto granule = static_cast<std::int64_t>(readLittleEndian64(fields));
        const std::uint32_t pageSerial = readLittleEndian(fields, 4);
        if (offset == 0)
        {
            constexpr int FirstPage = 2;
            serial = pageSerial;
            if (!(type & FirstPage) || !readVorbisIdentification(page.substr(bodyStart), claim))
                return false;
        }
        if (version != 0 || pageSerial != serial || (granule != -1 && granule < lastGranule))
            return false;
        lastGranule = std::max(lastGranule, granule);
        offset += wholeSize;
    }
    claim.samples = static_cast<std::uint64_t>(lastGranule) * claim.channels;
    // A Vorbis packet decodes to at most 4096 samples a channel and costs at
    // least a byte of its page's lacing.
    return offset > 0 && static_cast<std::uint64_t>(lastGranule) <= fileSize * 4096;
}
} // namespace

bool MediaCheck::isSoundWithin(const std::string& filename, std::uint64_t maxSamples)
{
    if (!isRegularFile(filename))
        return false;
    std::ifstream in(filename, std::ios::binary);
    return isSoundWithin(in, maxSamples);
}

bool MediaCheck::isSoundWithin(std::istream& in, std::uint64_t maxSamples)
{
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (!in || end <= 0)
        return false;
    const auto fileSize = static_cast<std::uint64_t>(end);

    // In the order SFML tries them.
    using Reader = bool (*)(std::istream&, std::uint64_t, Claim&);
    const struct
    {
        Reader read;
        bool mayHoldOggPages;
    } readers[] = {{readFlac, false}, {readOgg, true}, {readWav, false}};
    for (const auto& reader : readers)
    {
        in.clear();
        in.seekg(0);
        Claim claim;
        if (!reader.read(in, fileSize, claim))
            continue;
        return (reader.mayHoldOggPages || !holdsOggPage(in, fileSize)) &&
               (claim.channels == 1 || claim.channels == 2) && claim.sampleRate >= LowestRate &&
               claim.sampleRate <= HighestRate && claim.samples >= claim.channels &&
               claim.samples <= maxSamples;
    }
    return false;
}
