#pragma once

#include <cstdint>
#include <string>

// Well-formed media files whose every header check passes and whose decoding
// crashes, hangs or balloons: the files an attack on the game made, rebuilt
// byte by byte, or from one of the game's own files.
namespace CraftedMedia
{
using Bytes = std::string;

std::uint32_t crc32(const Bytes& bytes);
Bytes bigEndian(std::uint32_t value);
Bytes littleEndian(std::uint64_t value, int bytes);
Bytes pngChunk(const Bytes& type, const Bytes& data);
// An Ogg page's checksum mended after its bytes changed.
Bytes withOggChecksum(Bytes page);

// Ogg Vorbis, stereo at 44.1 kHz, whose setup header holds `books` codebooks
// of 2^entriesLog2 entries each: libvorbis puts 8 bytes an entry of each on
// the stack, then allocates some 10 bytes an entry for each.
Bytes vorbisWithCodebooks(int books, int entriesLog2);
// FLAC whose stream claims 16-bit samples and whose one frame claims `bits`.
Bytes flacWithFrameBits(int bits);
// A PNG of 1 x 1 pixels whose data inflates to `inflated` bytes.
Bytes pngInflatingTo(std::uint64_t inflated);
// A progressive colour JPEG of side x side pixels of `scans` empty scans.
Bytes jpegWithEmptyScans(unsigned int side, int scans);
// A mono 16-bit WAV made stereo, with one sample too many or too few.
Bytes stereoWithOddSamples(Bytes monoWav);
// An OpenType/TrueType font with the units per em of its head table changed.
Bytes fontWithUnitsPerEm(Bytes font, std::uint16_t unitsPerEm);
} // namespace CraftedMedia
