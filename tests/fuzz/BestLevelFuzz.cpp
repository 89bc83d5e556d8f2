// Arbitrary bytes as the best-level record: whatever the parser accepts is a
// level a player can reach and reads back the same from the record the game
// would write for it.
#include "config/BestLevel.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int> level = BestLevel::parse(text);
    if (!level)
        return 0;
    if (*level < 1 || *level > BestLevel::Largest)
        std::abort();
    if (BestLevel::parse(std::to_string(*level) + "\n") != level)
        std::abort();
    return 0;
}
