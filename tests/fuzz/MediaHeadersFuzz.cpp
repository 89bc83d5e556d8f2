// Arbitrary bytes as a media file: the image and font checks must neither
// crash nor read out of bounds, whatever the header claims.
#include "resources/MediaCheck.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
bool isImageWithin(const std::string& bytes, unsigned int maxSize)
{
    std::istringstream in(bytes);
    return MediaCheck::isImageWithin(in, maxSize);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // An image small enough for a small texture is small enough for any.
    if (isImageWithin(bytes, 64) && !isImageWithin(bytes, 16384))
        std::abort();
    std::istringstream font(bytes);
    MediaCheck::isCompleteFont(font, size);
    return 0;
}
