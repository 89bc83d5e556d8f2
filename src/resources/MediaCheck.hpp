#pragma once

#include <cstdint>
#include <istream>
#include <string>

// Looks at a media file before SFML decodes it. SFML trusts what it is given:
// a folder in place of a sound file makes its decoders loop for ever, a header
// may claim an image or a sound far larger than the file (and SFML allocates
// what it claims before reading a byte of it), a WAV whose data comes before
// its format makes the reader divide by zero, and a font cut short still opens
// and only loses glyphs later. Each check reads no more than the file's header
// and table of contents; an Ogg file is read page by page, because its decoder
// looks for pages anywhere in the file.
namespace MediaCheck
{
// What a picture may claim. The game's own are at most 3840 x 64 and 800 x 960
// pixels; a decoder needs up to 20 bytes a pixel (a Radiance HDR picture is
// decoded as floats), so a checked picture costs at most 80 MB on its way in.
struct ImageLimit
{
    unsigned int side;
    std::uint64_t pixels;
};
constexpr ImageLimit GameImages{8192, 4u << 20};

// An image in a format SFML decodes (PNG, JPEG, BMP, GIF, PSD, PIC, PNM, HDR
// or TGA, whatever its name) whose header claims a size within the limit.
bool isImageWithin(const std::string& filename, ImageLimit limit = GameImages);
bool isImageWithin(std::istream& in, ImageLimit limit = GameImages);

// What a sound may claim, counted over all its channels as SFML decodes it, two
// bytes a sample: 32 MB, over three minutes of stereo at 44.1 kHz. The longest
// of the game's own is the menu song, 32 seconds.
constexpr std::uint64_t MostSoundSamples = 1u << 24;

// A WAV, FLAC or Ogg Vorbis file, as SFML tells them apart, of one or two
// channels at 8 to 192 kHz, whose header claims at least one sample and at
// most maxSamples, no more than the file can hold.
bool isSoundWithin(const std::string& filename, std::uint64_t maxSamples = MostSoundSamples);
bool isSoundWithin(std::istream& in, std::uint64_t maxSamples = MostSoundSamples);

// A regular file and, when it is an OpenType/TrueType font, one whose tables
// all lie inside it (fileSize bytes long).
bool isCompleteFont(const std::string& filename);
bool isCompleteFont(std::istream& in, std::uintmax_t fileSize);
} // namespace MediaCheck
