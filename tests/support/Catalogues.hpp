#pragma once

#include "language/Translation.hpp"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The translations as the build made them (build/locale/<ll>/LC_MESSAGES/vantorix.mo).
namespace Catalogues
{
// Every language the game offers but English, the words in the code.
inline std::vector<std::string> languages()
{
    std::vector<std::string> codes;
    for (const Translation::Language& each : Translation::languages())
        if (each.code != std::string("en"))
            codes.emplace_back(each.code);
    return codes;
}

inline std::filesystem::path folder()
{
    return std::filesystem::path(VANTORIX_MEDIA_PARENT) / "locale";
}

// One language's messages, English and translated, the header left out. GNU's
// format as msgfmt writes it here: the count, then tables of (length, offset)
// pairs for the English texts and for their translations.
inline std::vector<std::pair<std::string, std::string>> read(const std::string& language)
{
    std::ifstream in(folder() / language / "LC_MESSAGES" / "vantorix.mo", std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    const auto word = [&](std::size_t at)
    {
        std::uint32_t value = 0;
        for (std::size_t i = at + 4; i-- > at;)
            value = value << 8 | (i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0);
        return value;
    };
    const auto text = [&](std::uint32_t table, std::uint32_t index)
    { return bytes.substr(word(table + 8 * index + 4), word(table + 8 * index)); };
    std::vector<std::pair<std::string, std::string>> messages;
    for (std::uint32_t i = 0; word(0) == 0x950412de && i < word(8); ++i)
        if (!text(word(12), i).empty())
            messages.emplace_back(text(word(12), i), text(word(16), i));
    return messages;
}
} // namespace Catalogues

// Speaks a language while it lives, as the game does after Translation::start
// with LANGUAGE naming it; then English again, and LANGUAGE as it was.
class ScopedLanguage
{
public:
    explicit ScopedLanguage(const std::string& language,
                            const std::filesystem::path& catalogues = Catalogues::folder())
    {
        if (const char* variable = std::getenv("LANGUAGE"))
            mVariable = variable;
        setenv("LANGUAGE", language.c_str(), 1);
        Translation::start(catalogues.string());
    }
    ~ScopedLanguage()
    {
        Translation::stop();
        if (mVariable)
            setenv("LANGUAGE", mVariable->c_str(), 1);
        else
            unsetenv("LANGUAGE");
    }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    std::optional<std::string> mVariable;
};
