#pragma once

#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <optional>
#include <string>

// How a replay's numbers are laid out: little-endian words, and whole numbers
// of any size in seven-bit groups, lowest first, a high bit on every group but
// the last. Frame times go as the change from the frame before, folded so that
// small changes either way stay small.
namespace ReplayBytes
{
constexpr char Magic[4] = {'V', 'X', 'R', 'P'};

// A frame's flags, when anything but its time changed.
constexpr unsigned KeyBits = 0x03; // none, Left, Right, Up
constexpr unsigned Pressed = 0x04;
constexpr unsigned KeysLetGo = 0x08;
constexpr unsigned PausedBefore = 0x10;
constexpr unsigned CheckFollows = 0x20;
constexpr unsigned LastFrame = 0x40;
constexpr unsigned PaceFollows = 0x80;

inline std::uint64_t fold(std::int64_t value)
{
    return (static_cast<std::uint64_t>(value) << 1) ^ static_cast<std::uint64_t>(value >> 63);
}

inline std::int64_t unfold(std::uint64_t value)
{
    return static_cast<std::int64_t>(value >> 1) ^ -static_cast<std::int64_t>(value & 1);
}

inline unsigned keyCode(sf::Keyboard::Key key)
{
    switch (key)
    {
    case sf::Keyboard::Left:
        return 1;
    case sf::Keyboard::Right:
        return 2;
    case sf::Keyboard::Up:
        return 3;
    default:
        return 0;
    }
}

inline sf::Keyboard::Key keyOf(unsigned code)
{
    constexpr sf::Keyboard::Key keys[] = {sf::Keyboard::Unknown, sf::Keyboard::Left,
                                          sf::Keyboard::Right, sf::Keyboard::Up};
    return keys[code & KeyBits];
}

inline void putNumber(std::string& out, std::uint64_t value)
{
    while (value >= 0x80)
    {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

inline void putWord(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Reads from a string, never past its end; every read says whether it could.
class Source
{
public:
    explicit Source(const std::string& bytes, std::size_t at = 0) : mBytes(&bytes), mAt(at) {}

    std::size_t position() const { return mAt; }
    bool atEnd() const { return mAt == mBytes->size(); }

    std::optional<std::uint64_t> word(int bytes)
    {
        if (mBytes->size() - mAt < static_cast<std::size_t>(bytes))
            return std::nullopt;
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i)
            value |= static_cast<std::uint64_t>(static_cast<unsigned char>((*mBytes)[mAt++]))
                     << (8 * i);
        return value;
    }

    // At most ten groups, and none that would not fit in 64 bits.
    std::optional<std::uint64_t> number()
    {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64 && mAt < mBytes->size(); shift += 7)
        {
            const auto group = static_cast<unsigned char>((*mBytes)[mAt++]);
            if (shift == 63 && group > 1)
                return std::nullopt;
            value |= static_cast<std::uint64_t>(group & 0x7F) << shift;
            if ((group & 0x80) == 0)
                return value;
        }
        return std::nullopt;
    }

    std::optional<std::string> text(std::size_t length)
    {
        if (mBytes->size() - mAt < length)
            return std::nullopt;
        std::string read = mBytes->substr(mAt, length);
        mAt += length;
        return read;
    }

private:
    const std::string* mBytes;
    std::size_t mAt;
};
} // namespace ReplayBytes
