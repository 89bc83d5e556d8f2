// Arbitrary bytes as a command line, the arguments separated by NUL bytes: the
// parser must neither crash nor hand on a choice out of its range.
#include "config/CommandLine.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i)
    {
        if (data[i] == '\0')
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    const CommandLine::Result result = CommandLine::parse(arguments);
    const Options& options = result.options;
    if (result.isValid() && options.volume && (*options.volume < 0 || *options.volume > 100))
        std::abort();
    return 0;
}
