#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

// What the media checks share: reading a header's fields from a binary
// stream. A short read leaves the stream failed.
namespace MediaBytes
{
inline bool isRegularFile(const std::string& filename)
{
    std::error_code error;
    return std::filesystem::is_regular_file(filename, error);
}

inline std::uint32_t readBigEndian(std::istream& in, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(in.get());
    return value;
}

inline std::uint32_t readLittleEndian(std::istream& in, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(in.get())) << (8 * i);
    return value;
}

inline bool startsWith(std::istream& in, const std::string& signature)
{
    std::string head(signature.size(), '\0');
    in.read(&head[0], static_cast<std::streamsize>(head.size()));
    return in && head == signature;
}

constexpr std::uint32_t tag(const char (&name)[5])
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[3]));
}
} // namespace MediaBytes
