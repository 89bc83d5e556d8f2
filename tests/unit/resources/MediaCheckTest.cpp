#include "resources/MediaCheck.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
using Bytes = std::string;

Bytes be16(unsigned value)
{
    return {static_cast<char>(value >> 8), static_cast<char>(value)};
}

Bytes be32(std::uint32_t value)
{
    return be16(value >> 16) + be16(value & 0xFFFF);
}

Bytes pngHeader(std::uint32_t width, std::uint32_t height)
{
    return Bytes("\x89PNG\r\n\x1a\n", 8) + be32(13) + "IHDR" + be32(width) + be32(height) +
           Bytes("\x08\x06\x00\x00\x00", 5);
}

// Start of image, an APP0 segment, optionally an EXIF-sized APP1, then a frame header.
Bytes jpegHeader(int frameMarker, unsigned width, unsigned height, bool bigApp1 = false)
{
    Bytes bytes =
        Bytes("\xFF\xD8", 2) + "\xFF\xE0" + be16(16) + Bytes("JFIF\0\1\1\0\0\1\0\1\0\0", 14);
    if (bigApp1)
        bytes += Bytes("\xFF\xE1", 2) + be16(40000) + Bytes(39998, 'x');
    bytes += Bytes{'\xFF', static_cast<char>(frameMarker)} + be16(17) + '\x08' + be16(height) +
             be16(width) + Bytes("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    return bytes;
}

Bytes le16(unsigned value)
{
    return {static_cast<char>(value), static_cast<char>(value >> 8)};
}

Bytes le32(std::uint32_t value)
{
    return le16(value & 0xFFFF) + le16(value >> 16);
}

// Headers of the other formats SFML decodes, enough for their size to be read.
Bytes bmpHeader(std::int32_t width, std::int32_t height)
{
    return Bytes("BM") + le32(0) + le32(0) + le32(54) + le32(40) + le32(width) +
           le32(static_cast<std::uint32_t>(height)) + le16(1) + le16(24) + Bytes(24, '\0');
}

Bytes gifHeader(unsigned width, unsigned height)
{
    return Bytes("GIF89a") + le16(width) + le16(height) + Bytes("\xF7\0\0", 3);
}

Bytes psdHeader(std::uint32_t width, std::uint32_t height)
{
    return Bytes("8BPS") + be16(1) + Bytes(6, '\0') + be16(3) + be32(height) + be32(width) +
           be16(8) + be16(3);
}

Bytes picHeader(unsigned width, unsigned height)
{
    return Bytes("\x53\x80\xF6\x34", 4) + Bytes(84, '\0') + "PICT" + be16(width) + be16(height);
}

Bytes tgaHeader(int imageType, unsigned width, unsigned height)
{
    return Bytes{'\0', '\0', static_cast<char>(imageType)} + Bytes(9, '\0') + le16(width) +
           le16(height) + Bytes{'\x20', '\x08'};
}

// An sfnt table directory of two tables; the second ends at `secondEnd`.
Bytes font(std::uint32_t secondEnd, std::size_t fileSize)
{
    Bytes bytes = be32(0x00010000) + be16(2) + be16(32) + be16(1) + be16(0);
    bytes += Bytes("head", 4) + be32(0) + be32(44) + be32(54);
    bytes += Bytes("glyf", 4) + be32(0) + be32(100) + be32(secondEnd - 100);
    bytes.resize(fileSize, '\0');
    return bytes;
}

class MediaCheckFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mFolder = fs::temp_directory_path() / ("vantorix-check-" + std::to_string(::getpid()));
        fs::create_directories(mFolder);
    }
    void TearDown() override { fs::remove_all(mFolder); }

    std::string write(const std::string& name, const Bytes& bytes)
    {
        const fs::path path = mFolder / name;
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    fs::path mFolder;
};

struct ImageCase
{
    const char* name;
    Bytes bytes;
    bool accepted;
};
} // namespace

TEST_F(MediaCheckFiles, ImagesAreJudgedByTheSizeTheirHeaderClaims)
{
    const std::vector<ImageCase> cases = {
        {"png exactly at the limit", pngHeader(1024, 1), true},
        {"png one wider than the limit", pngHeader(1025, 1), false},
        {"png one taller than the limit", pngHeader(1, 1025), false},
        {"png claiming 60000 x 60000", pngHeader(60000, 60000), false},
        {"png of width zero", pngHeader(0, 10), false},
        {"png cut inside its header", pngHeader(10, 10).substr(0, 20), false},
        {"baseline jpeg", jpegHeader(0xC0, 800, 800), true},
        {"progressive jpeg", jpegHeader(0xC2, 800, 600), true},
        {"jpeg with a long segment before its frame", jpegHeader(0xC0, 640, 480, true), true},
        {"jpeg over the limit", jpegHeader(0xC0, 2000, 10), false},
        {"jpeg without a frame header", Bytes("\xFF\xD8\xFF\xD9", 4), false},
        {"bmp at the limit", bmpHeader(1024, 1024), true},
        {"bmp stored top-down", bmpHeader(10, -1024), true},
        {"bmp one taller than the limit, top-down", bmpHeader(10, -1025), false},
        {"bmp of negative width", bmpHeader(-10, 10), false},
        {"gif at the limit", gifHeader(1024, 3), true},
        {"gif over the limit", gifHeader(3, 60000), false},
        {"psd over the limit", psdHeader(30000, 2), false},
        {"psd at the limit", psdHeader(1024, 1024), true},
        {"pic over the limit", picHeader(1025, 1), false},
        {"pnm with a comment", Bytes("P6\n# made by hand\n1024 7\n255\n"), true},
        {"pnm over the limit", Bytes("P5 99999999999999999999 1\n255\n"), false},
        {"pnm with a comment right after a number", Bytes("P6 6#6\n2000 1\n255\n"), false},
        {"hdr within the limit", Bytes("#?RADIANCE\nFORMAT=32-bit_rle_rgbe\n\n-Y 20 +X 30\n"),
         true},
        {"hdr over the limit", Bytes("#?RGBE\n\n-Y 2000 +X 30\n"), false},
        {"tga at the limit", tgaHeader(2, 1024, 1024), true},
        {"tga over the limit", tgaHeader(10, 1025, 5), false},
        {"tga of an unknown image type", tgaHeader(4, 10, 10), false},
        {"a WAV", Bytes("RIFF\0\0\0\0WAVEfmt ", 16), false},
        {"empty", Bytes(), false},
    };
    for (const ImageCase& image : cases)
        EXPECT_EQ(MediaCheck::isImageWithin(write("image", image.bytes), {1024, 1024 * 1024}),
                  image.accepted)
            << image.name;
}

TEST_F(MediaCheckFiles, TheGamesPicturesFitWithRoomToSpareAndCostlierOnesDoNot)
{
    const std::vector<ImageCase> cases = {
        {"the wall", pngHeader(3840, 64), true},
        {"the galaxy", pngHeader(800, 960), true},
        {"four megapixels", pngHeader(2048, 2048), true},
        {"a row more", pngHeader(2048, 2049), false},
        {"a pixel longer", pngHeader(8193, 4), false},
    };
    for (const ImageCase& image : cases)
        EXPECT_EQ(MediaCheck::isImageWithin(write("image", image.bytes)), image.accepted)
            << image.name;
}

// A 16-bit WAV holding as many bytes of samples as it claims, and more after them.
Bytes wav(unsigned channels, std::uint32_t rate, std::uint32_t claimed, const Bytes& more = "")
{
    return Bytes("RIFF") + le32(0) + "WAVEfmt " + le32(16) + le16(1) + le16(channels) + le32(rate) +
           le32(rate * 2 * channels) + le16(2 * channels) + le16(16) + "data" + le32(claimed) +
           Bytes(claimed, '\x10') + more;
}

// A page of one packet shorter than 255 bytes; checksums are the decoder's business.
Bytes oggPage(int type, std::uint32_t granule, const Bytes& packet)
{
    return Bytes("OggS\0", 5) + static_cast<char>(type) + le32(granule) + le32(0) + le32(7) +
           le32(0) + le32(0) + '\x01' + static_cast<char>(packet.size()) + packet;
}

const Bytes StereoVorbis =
    oggPage(2, 0, Bytes("\x01vorbis") + le32(0) + '\x02' + le32(44100) + Bytes(14, '\1'));

// FLAC stream information (stereo, 16-bit, 8 kHz) claiming the given samples a
// channel, as the last block or not.
Bytes flacInfo(std::uint32_t frames, bool last)
{
    return be32((last ? 0x80000000u : 0) | 34) + Bytes(10, '\0') +
           be32(8000 << 12 | 1 << 9 | 15 << 4) + be32(frames) + Bytes(16, '\0');
}

TEST_F(MediaCheckFiles, SoundsAreJudgedAsTheirDecoderReadsThemAndByWhatTheyClaim)
{
    const struct
    {
        const char* name;
        Bytes bytes;
        bool accepted;
    } cases[] = {
        {"WAV at the limit", wav(1, 44100, 2000), true},
        {"WAV a sample over", wav(1, 44100, 2002), false},
        {"WAV of three channels", wav(3, 44100, 6), false},
        {"WAV at 7999 Hz", wav(1, 7999, 2), false},
        {"WAV at 192 kHz", wav(1, 192000, 2), true},
        {"WAV the Ogg decoder would take", wav(1, 44100, 2, "OggS"), false},
        {"Ogg at the limit", StereoVorbis + oggPage(0, 300, "x") + oggPage(4, 500, "y"), true},
        {"Ogg a sample over", StereoVorbis + oggPage(4, 501, "y"), false},
        {"Ogg hiding a page inside one", StereoVorbis + oggPage(4, 400, "OggS"), false},
        {"Ogg cut short", StereoVorbis + oggPage(0, 400, "x") + oggPage(4, 900, "yy").substr(0, 29),
         true},
        {"FLAC", "fLaC" + flacInfo(500, true) + Bytes(100, '\0'), true},
        {"FLAC whose second stream information claims more",
         "fLaC" + flacInfo(500, false) + flacInfo(1 << 30, true), false},
        {"something else", Bytes("whatever"), false},
    };
    for (const auto& sound : cases)
        EXPECT_EQ(MediaCheck::isSoundWithin(write("sound", sound.bytes), 1000), sound.accepted)
            << sound.name;
}

TEST_F(MediaCheckFiles, FoldersAndMissingFilesAreNeverMedia)
{
    fs::create_directories(mFolder / "folder.png");
    const std::string folder = (mFolder / "folder.png").string();
    const std::string missing = (mFolder / "missing.wav").string();
    EXPECT_FALSE(MediaCheck::isImageWithin(folder));
    EXPECT_FALSE(MediaCheck::isSoundWithin(folder));
    EXPECT_FALSE(MediaCheck::isCompleteFont(folder));
    EXPECT_FALSE(MediaCheck::isImageWithin(missing));
    EXPECT_FALSE(MediaCheck::isSoundWithin(missing));
    EXPECT_FALSE(MediaCheck::isCompleteFont(missing));
}

TEST_F(MediaCheckFiles, FontWhoseTablesRunPastTheEndIsCutShort)
{
    EXPECT_TRUE(MediaCheck::isCompleteFont(write("whole.ttf", font(400, 400))));
    EXPECT_FALSE(MediaCheck::isCompleteFont(write("cut.ttf", font(400, 399))));
    EXPECT_FALSE(MediaCheck::isCompleteFont(write("directory cut.ttf", font(400, 30))));
    // Not an sfnt font at all: FreeType alone decides.
    EXPECT_TRUE(MediaCheck::isCompleteFont(write("other.pfb", "\x80\x01 type 1 font")));
}
