// Arbitrary bytes as a command line, the arguments separated by NUL bytes: the
// parser must neither crash nor hand on a choice out of its range, and every
// error is one line a terminal shows as it is: UTF-8 without a control
// character (judged by the C library's own UTF-8 locale).
#include "config/CommandLine.hpp"

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string>
#include <vector>

namespace
{
bool showsAsItIs(const std::string& text)
{
    std::mbstate_t state{};
    for (std::size_t i = 0; i < text.size();)
    {
        wchar_t c = 0;
        const std::size_t length = std::mbrtowc(&c, &text[i], text.size() - i, &state);
        if (length == 0 || length > text.size() - i || std::iswcntrl(static_cast<wint_t>(c)))
            return false;
        i += length;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr)
        std::abort();
    return 0;
}

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
    if (!result.isValid() && !showsAsItIs(result.error))
        std::abort();
    if (result.isValid() && options.volume && (*options.volume < 0 || *options.volume > 100))
        std::abort();
    if (result.isValid() && options.maxFps && (*options.maxFps < 1 || *options.maxFps > 1000))
        std::abort();
    return 0;
}
