// Arbitrary bytes as a media file: the image, sound and font checks must
// neither crash nor read out of bounds, whatever the header claims.
#include "resources/MediaCheck.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
bool imageWithin(const std::string& bytes, MediaCheck::ImageLimit limit)
{
    std::istringstream in(bytes);
    return MediaCheck::isImageWithin(in, limit);
}

bool soundWithin(const std::string& bytes, std::uint64_t maxSamples)
{
    std::istringstream in(bytes);
    return MediaCheck::isSoundWithin(in, maxSamples);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // A file within a small limit is within a larger one.
    if (imageWithin(bytes, {64, 64 * 64}) && !imageWithin(bytes, MediaCheck::GameImages))
        std::abort();
    if (soundWithin(bytes, 4096) && !soundWithin(bytes, MediaCheck::MostSoundSamples))
        std::abort();
    std::istringstream font(bytes);
    MediaCheck::isCompleteFont(font, size);
    return 0;
}
