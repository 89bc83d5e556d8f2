#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

// A home for the files the game keeps, made once per fuzzing run: in memory
// where the machine offers it (/dev/shm), since every input is written and
// flushed to disk.
namespace ScratchHome
{
inline void make()
{
    const std::filesystem::path parent = std::filesystem::is_directory("/dev/shm")
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
    std::string folder = (parent / "vantorix-fuzz-XXXXXX").string();
    if (::mkdtemp(&folder[0]) == nullptr)
        std::abort();
    setenv("HOME", folder.c_str(), 1);
    setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
}

// Whatever a kept file's folder holds besides the file and its lock.
inline std::vector<std::filesystem::path> strayFiles(const std::filesystem::path& file)
{
    std::vector<std::filesystem::path> stray;
    const std::string lock = "." + file.filename().string() + ".lock";
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
        if (entry.path() != file && entry.path().filename() != lock)
            stray.push_back(entry.path());
    return stray;
}
} // namespace ScratchHome
