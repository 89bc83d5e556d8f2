#include "resources/MediaCheck.hpp"

#include "resources/MediaBytes.hpp"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

using MediaBytes::isRegularFile;
using MediaBytes::readBigEndian;
using MediaBytes::tag;

bool MediaCheck::isCompleteFont(const std::string& filename)
{
    if (!isRegularFile(filename))
        return false;
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(filename, error);
    if (error)
        return false;
    std::ifstream in(filename, std::ios::binary);
    return isCompleteFont(in, fileSize);
}

bool MediaCheck::isCompleteFont(std::istream& in, std::uintmax_t fileSize)
{
    const std::uint32_t version = readBigEndian(in, 4);
    const std::array<std::uint32_t, 4> sfntVersions = {0x00010000, tag("OTTO"), tag("true"),
                                                       tag("typ1")};
    if (!in || std::find(sfntVersions.begin(), sfntVersions.end(), version) == sfntVersions.end())
        return true; // another kind of font: FreeType alone decides
    const std::uint32_t tableCount = readBigEndian(in, 2);
    in.seekg(6, std::ios::cur); // search range, entry selector, range shift
    for (std::uint32_t i = 0; i < tableCount; ++i)
    {
        readBigEndian(in, 4); // tag
        readBigEndian(in, 4); // checksum
        const std::uint64_t offset = readBigEndian(in, 4);
        const std::uint64_t length = readBigEndian(in, 4);
        if (!in || offset + length > fileSize)
            return false;
    }
    return static_cast<bool>(in);
}
