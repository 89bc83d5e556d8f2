#pragma once

#include <filesystem>

namespace media
{

// Writes every media file the game reads into root/Media, at the paths the game asks for.
// The same bytes on every run. Throws std::runtime_error when a file cannot be written.
void generateMedia(const std::filesystem::path& root);

} // namespace media
