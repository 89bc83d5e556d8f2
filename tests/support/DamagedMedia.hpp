#pragma once

#include "support/WorkingDirectory.hpp"

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

// Copies of the generated Media folder with one file spoiled, made at test time.
namespace DamagedMedia
{
enum class Damage
{
    Missing,
    Empty,
    TruncatedToAThird,
    RandomBytes,
    AnotherFormat, // a WAV where an image belongs, a PNG for sounds and the font
    FolderInItsPlace,
    HeaderClaimsHugeImage, // a PNG header of 60000 x 60000 pixels
    LargerThanMaxTexture,  // a real image one pixel wider than the driver takes (needs GL)

    // Hostile files found by attacking the game, each for the file it was found with.
    WavDataBeforeFormat,    // one byte changed: the format chunk's name, so the data comes first
    WavClaimingFourGiB,     // 244 bytes whose data chunk claims 4 GiB
    FlacClaimingHugeLength, // five bytes changed: 2^36 - 1 samples
    OggClaimingHugeLength,  // the song, its last granule position 2^40
    OggClaimingHugeRate,    // the song at 0x7FFFFFFF samples a second
    TgaClaimingHugeImage,   // an 82-byte TGA claiming 16384 x 16384 pixels
    // Files that pass every header check and crash, hang or balloon the decoder.
    OggHugeCodebook,     // one codebook of 2^20 entries: 8 MB on the stack, SIGSEGV
    OggManyCodebooks,    // 214 codebooks of 2^19 entries: a gigabyte, seconds
    FlacTwelveBitFrames, // SFML's FLAC reader asserts on the frame's sample size
    FontTinyEm,          // two bytes changed: 16 units per em, glyphs of gigabytes
    PngInflatingHuge,    // 1 x 1 pixels whose data inflates to 1.4 GB
    JpegThousandScans,   // 2048 x 2048 pixels in 1,000 empty progressive scans
    WavStereoOddSamples, // stereo of an odd sample count, which OpenAL refuses
};

const std::vector<Damage>& everyDamage();
// The hostile files found by attacking the game, on the files they were found with.
const std::vector<std::tuple<std::string, Damage>>& reproductions();
std::string nameOf(Damage damage);

// Every media file the game reads, as MediaFiles names it.
const std::vector<std::string>& catalogue();

// A fresh folder holding Media/, where every file but `file` (of the
// catalogue, or the window's icon or the hit's tick) links to the intact one
// under `intactParent` and `file` suffers `damage`.
TemporaryFolder makeCopy(const std::filesystem::path& intactParent, const std::string& file,
                         Damage damage);
} // namespace DamagedMedia
