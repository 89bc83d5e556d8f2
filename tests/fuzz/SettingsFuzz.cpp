// Arbitrary bytes as the settings file: whatever the parser accepts is in
// range and comes back unchanged from the file the game would write for it.
#include "config/Settings.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<Settings::Values> values = Settings::parse(text);
    if (!values)
        return 0;
    if (values->volume < 0 || values->volume > 100)
        std::abort();
    if (!(Settings::parse(Settings::format(*values)) == values))
        std::abort();
    return 0;
}
