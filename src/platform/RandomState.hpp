#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The C library's generator, as rand() will go on from here: a copy can be
// taken at any moment and put back later, without seeding it anew, so that a
// game can be played again from the same draws. glibc keeps the state of
// rand() in 32 words (the default generator: its kind and rear position in
// the first word, then the 31 words it draws from); initstate and setstate
// let a program look at them and hand them back.
class RandomState
{
public:
    static constexpr std::size_t Words = 32;
    using Words32 = std::array<std::int32_t, Words>;

    // A table of zeros: rand() could draw from it, zeros only. A placeholder
    // until a state is taken or read.
    RandomState() : mWords{{DefaultKind}} {}

    // The generator as it stands; rand() goes on exactly as it would have.
    static RandomState current();
    // Words that glibc can draw from: the default kind, its rear position
    // within the table. None for anything else, which would send rand() out
    // of its table.
    static std::optional<RandomState> fromWords(const Words32& words);

    // rand() draws from here on as it did when the copy was taken.
    void restore() const;

    const Words32& words() const { return mWords; }
    bool operator==(const RandomState& other) const { return mWords == other.mWords; }
    bool operator!=(const RandomState& other) const { return !(*this == other); }

private:
    static constexpr std::int32_t DefaultKind = 3;

    explicit RandomState(const Words32& words) : mWords(words) {}

    Words32 mWords;
};
