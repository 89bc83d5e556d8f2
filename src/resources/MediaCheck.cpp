#include "resources/MediaCheck.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace
{
bool isRegularFile(const std::string& filename)
{
    std::error_code error;
    return std::filesystem::is_regular_file(filename, error);
}

// Big-endian readers over a binary stream; a short read leaves the stream failed.
std::uint32_t readBigEndian(std::istream& in, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(in.get());
    return value;
}

struct Size
{
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

bool startsWith(std::istream& in, const std::string& signature)
{
    std::string head(signature.size(), '\0');
    in.read(&head[0], static_cast<std::streamsize>(head.size()));
    return in && head == signature;
}

// The first chunk of a PNG is always its header.
bool readPngSize(std::istream& in, Size& size)
{
    if (!startsWith(in, "\x89PNG\r\n\x1a\n"))
        return false;
    readBigEndian(in, 4); // chunk length
    if (!startsWith(in, "IHDR"))
        return false;
    size.width = readBigEndian(in, 4);
    size.height = readBigEndian(in, 4);
    return static_cast<bool>(in);
}

bool isJpegFrameMarker(int marker)
{
    // SOF0 to SOF15, less DHT (C4), JPG (C8) and DAC (CC), which share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Walks the segments up to the frame header, which holds the size.
bool readJpegSize(std::istream& in, Size& size)
{
    if (!startsWith(in, "\xFF\xD8"))
        return false;
    while (in)
    {
        if (in.get() != 0xFF)
            return false;
        int marker = in.get();
        while (marker == 0xFF) // fill bytes
            marker = in.get();
        if (marker == 0xD9 || marker == 0xDA || marker == EOF) // end of image or of headers
            return false;
        const std::uint32_t length = readBigEndian(in, 2);
        if (length < 2)
            return false;
        if (isJpegFrameMarker(marker))
        {
            in.get(); // sample precision
            size.height = readBigEndian(in, 2);
            size.width = readBigEndian(in, 2);
            return static_cast<bool>(in);
        }
        in.seekg(length - 2, std::ios::cur);
    }
    return false;
}

constexpr std::uint32_t tag(const char (&name)[5])
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[3]));
}
} // namespace

bool MediaCheck::isImageWithin(const std::string& filename, unsigned int maxSize)
{
    if (!isRegularFile(filename))
        return false;
    std::ifstream in(filename, std::ios::binary);
    Size size;
    if (!readPngSize(in, size))
    {
        in.clear();
        in.seekg(0);
        if (!readJpegSize(in, size))
            return false;
    }
    return size.width > 0 && size.height > 0 && size.width <= maxSize && size.height <= maxSize;
}

bool MediaCheck::isSoundFile(const std::string& filename)
{
    return isRegularFile(filename);
}

bool MediaCheck::isCompleteFont(const std::string& filename)
{
    if (!isRegularFile(filename))
        return false;
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(filename, error);
    if (error)
        return false;

    std::ifstream in(filename, std::ios::binary);
    const std::uint32_t version = readBigEndian(in, 4);
    const std::array<std::uint32_t, 4> sfntVersions = {0x00010000, tag("OTTO"), tag("true"),
                                                       tag("typ1")};
    if (!in || std::find(sfntVersions.begin(), sfntVersions.end(), version) == sfntVersions.end())
        return true; // another kind of font: FreeType alone decides
    const std::uint32_t tableCount = readBigEndian(in, 2);
    in.seekg(6, std::ios::cur); // search range, entry selector, range shift
    for (std::uint32_t i = 0; i < tableCount; ++i)
    {
        readBigEndian(in, 4); // tag
        readBigEndian(in, 4); // checksum
        const std::uint64_t offset = readBigEndian(in, 4);
        const std::uint64_t length = readBigEndian(in, 4);
        if (!in || offset + length > fileSize)
            return false;
    }
    return static_cast<bool>(in);
}
