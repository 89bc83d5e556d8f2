// Arbitrary bytes as the settings file: whatever the parser takes is in range
// and comes back unchanged, unknown lines too, from the file the game would
// write for it.
#include "config/Settings.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<Settings::Reading> reading = Settings::parse(text);
    if (!reading)
        return 0;
    const Settings::Values& values = reading->values;
    for (const int level : {values.volume, values.music, values.effects})
        if (level < 0 || level > 100)
            std::abort();
    if (values.maxFps > Settings::LargestMaxFps)
        std::abort();
    const auto again = Settings::parse(Settings::format(values, reading->unknown));
    if (!again || !(again->values == values) || again->unknown != reading->unknown ||
        !again->problems.empty())
        std::abort();
    return 0;
}
