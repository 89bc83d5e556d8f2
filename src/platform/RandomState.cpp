#include "platform/RandomState.hpp"

#include <cstdlib>
#include <cstring>

namespace
{
// glibc's default generator, x**31 + x**3 + 1, is its third kind; the first word
// holds the kind plus five times the rear position.
constexpr std::int32_t Kinds = 5;
constexpr std::int32_t Degree = 31;

// Where the generator draws while its own table is looked at or filled.
alignas(std::int32_t) char sAside[RandomState::Words * sizeof(std::int32_t)];
// Where a restored generator draws from then on: glibc's own table stays as
// the seeding left it, unused.
alignas(std::int32_t) char sRestored[RandomState::Words * sizeof(std::int32_t)];

// Sets the generator aside; glibc writes its rear position into the first
// word of the table it leaves, which is then complete.
char* setAside()
{
    return initstate(1, sAside, sizeof(sAside));
}
} // namespace

RandomState RandomState::current()
{
    char* table = setAside();
    Words32 words;
    std::memcpy(words.data(), table, sizeof(words));
    setstate(table);
    return RandomState(words);
}

std::optional<RandomState> RandomState::fromWords(const Words32& words)
{
    const std::int32_t first = words[0];
    if (first < 0 || first % Kinds != DefaultKind || first / Kinds >= Degree)
        return std::nullopt;
    return RandomState(words);
}

void RandomState::restore() const
{
    setAside();
    std::memcpy(sRestored, mWords.data(), sizeof(sRestored));
    setstate(sRestored);
}
