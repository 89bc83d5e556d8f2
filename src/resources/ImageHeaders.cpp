#include "resources/MediaCheck.hpp"

#include "resources/MediaBytes.hpp"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>

// The image formats SFML decodes, read only as far as their size.
namespace
{
using namespace MediaBytes;

struct Size
{
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

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

bool readBmpSize(std::istream& in, Size& size)
{
    if (!startsWith(in, "BM"))
        return false;
    in.seekg(12, std::ios::cur); // file size, reserved, offset of the pixels
    const std::uint32_t headerSize = readLittleEndian(in, 4);
    if (headerSize == 12) // the old OS/2 header
    {
        size.width = readLittleEndian(in, 2);
        size.height = readLittleEndian(in, 2);
        return static_cast<bool>(in);
    }
    if (headerSize != 40 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        return false;
    const auto width = static_cast<std::int32_t>(readLittleEndian(in, 4));
    const auto height = static_cast<std::int32_t>(readLittleEndian(in, 4));
    if (!in || width <= 0)
        return false;
    // A negative height stores the rows top-down.
    size.width = static_cast<std::uint32_t>(width);
    size.height = static_cast<std::uint32_t>(std::abs(static_cast<std::int64_t>(height)));
    return true;
}

bool readGifSize(std::istream& in, Size& size)
{
    if (!startsWith(in, "GIF87a"))
    {
        in.clear();
        in.seekg(0);
        if (!startsWith(in, "GIF89a"))
            return false;
    }
    size.width = readLittleEndian(in, 2);
    size.height = readLittleEndian(in, 2);
    return static_cast<bool>(in);
}

bool readPsdSize(std::istream& in, Size& size)
{
    if (!startsWith(in, "8BPS") || readBigEndian(in, 2) != 1)
        return false;
    in.seekg(8, std::ios::cur); // reserved, channel count
    size.height = readBigEndian(in, 4);
    size.width = readBigEndian(in, 4);
    return static_cast<bool>(in);
}

// Softimage PIC: a magic number, then the picture header at byte 88.
bool readPicSize(std::istream& in, Size& size)
{
    if (!startsWith(in, "\x53\x80\xF6\x34"))
        return false;
    in.seekg(88);
    if (!startsWith(in, "PICT"))
        return false;
    size.width = readBigEndian(in, 2);
    size.height = readBigEndian(in, 2);
    return static_cast<bool>(in);
}

// Binary PNM: after the magic, decimal numbers between whitespace and comments.
bool readPnmNumber(std::istream& in, std::uint32_t& value)
{
    int c = in.get();
    while (std::isspace(c) || c == '#')
    {
        if (c == '#')
            while (c != EOF && c != '\n' && c != '\r')
                c = in.get();
        c = in.get();
    }
    if (!std::isdigit(c))
        return false;
    std::uint64_t number = 0;
    for (; std::isdigit(c); c = in.get())
        number = std::min<std::uint64_t>(number * 10 + static_cast<unsigned>(c - '0'), UINT32_MAX);
    value = static_cast<std::uint32_t>(number);
    // What ends the number begins what follows, for the decoder a comment too.
    in.unget();
    return true;
}

bool readPnmSize(std::istream& in, Size& size)
{
    if (in.get() != 'P')
        return false;
    const int kind = in.get();
    return (kind == '5' || kind == '6') && readPnmNumber(in, size.width) &&
           readPnmNumber(in, size.height);
}

// A line of at most maxLength characters, without its line end.
bool readLine(std::istream& in, std::string& line, std::size_t maxLength)
{
    line.clear();
    for (int c = in.get(); c != '\n'; c = in.get())
    {
        if (c == EOF || line.size() == maxLength)
            return false;
        line += static_cast<char>(c);
    }
    return true;
}

// Radiance HDR: text lines up to an empty one, then "-Y height +X width".
bool readHdrSize(std::istream& in, Size& size)
{
    constexpr std::size_t LongestLine = 1024;
    constexpr int MostHeaderLines = 256;
    std::string line;
    if (!readLine(in, line, LongestLine) || (line != "#?RADIANCE" && line != "#?RGBE"))
        return false;
    for (int lines = 0; !line.empty(); ++lines)
        if (lines == MostHeaderLines || !readLine(in, line, LongestLine))
            return false;
    if (!readLine(in, line, LongestLine))
        return false;
    std::istringstream resolution(line);
    std::string yAxis, xAxis;
    long long height = 0;
    long long width = 0;
    resolution >> yAxis >> height >> xAxis >> width;
    if (!resolution || yAxis != "-Y" || xAxis != "+X" || height <= 0 || width <= 0 ||
        height > UINT32_MAX || width > UINT32_MAX)
        return false;
    size.width = static_cast<std::uint32_t>(width);
    size.height = static_cast<std::uint32_t>(height);
    return true;
}

// TGA has no magic number: the decoder takes a header with a known image type
// and pixel depth.
bool readTgaSize(std::istream& in, Size& size)
{
    in.get(); // length of the identification field
    const int colourMapType = in.get();
    const int imageType = in.get();
    const bool mapped = colourMapType == 1 && (imageType == 1 || imageType == 9);
    const bool unmapped = colourMapType == 0 &&
                          (imageType == 2 || imageType == 3 || imageType == 10 || imageType == 11);
    if (!mapped && !unmapped)
        return false;
    in.seekg(9, std::ios::cur); // colour map fields, origin
    size.width = readLittleEndian(in, 2);
    size.height = readLittleEndian(in, 2);
    const int bitsPerPixel = in.get();
    const bool knownDepth = mapped
                                ? bitsPerPixel == 8 || bitsPerPixel == 16
                                : bitsPerPixel == 8 || bitsPerPixel == 15 || bitsPerPixel == 16 ||
                                      bitsPerPixel == 24 || bitsPerPixel == 32;
    return knownDepth && static_cast<bool>(in);
}
} // namespace

bool MediaCheck::isImageWithin(const std::string& filename, ImageLimit limit)
{
    if (!isRegularFile(filename))
        return false;
    std::ifstream in(filename, std::ios::binary);
    return isImageWithin(in, limit);
}

bool MediaCheck::isImageWithin(std::istream& in, ImageLimit limit)
{
    // In the order SFML's decoder tries them; TGA, without a magic number, last.
    using Reader = bool (*)(std::istream&, Size&);
    const Reader readers[] = {readJpegSize, readPngSize, readBmpSize, readGifSize, readPsdSize,
                              readPicSize,  readPnmSize, readHdrSize, readTgaSize};
    for (const Reader read : readers)
    {
        in.clear();
        in.seekg(0);
        Size size;
        if (read(in, size))
            return size.width > 0 && size.height > 0 && size.width <= limit.side &&
                   size.height <= limit.side &&
                   std::uint64_t{size.width} * size.height <= limit.pixels;
    }
    return false;
}
