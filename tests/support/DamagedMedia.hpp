#pragma once

#include "support/WorkingDirectory.hpp"

#include <filesystem>
#include <string>
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
};

const std::vector<Damage>& everyDamage();
std::string nameOf(Damage damage);

// Every media file the game reads, as MediaFiles names it.
const std::vector<std::string>& catalogue();

// A fresh folder holding Media/, where every file but `file` links to the
// intact one under `intactParent` and `file` suffers `damage`.
TemporaryFolder makeCopy(const std::filesystem::path& intactParent, const std::string& file,
                         Damage damage);
} // namespace DamagedMedia
