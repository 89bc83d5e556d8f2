#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

// A home for the files the game keeps, made once per run and gone after it: in
// memory where the machine offers it, since every input is written and flushed.
inline void makeScratchHome()
{
    static std::string home = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    home += "/vantorix-fuzz-XXXXXX";
    if (::mkdtemp(&home[0]) == nullptr)
        std::abort();
    std::atexit([] { std::filesystem::remove_all(home); });
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
}

// The file planted with the input's bytes; afterwards its folder must hold
// only the file and its lock, and what a refused file was set aside as: no
// temporary file.
inline void plant(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::remove(file.string() + ".bad");
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

inline bool holdsOnlyTheFileAndItsLock(const std::filesystem::path& file)
{
    const std::filesystem::directory_iterator entries(file.parent_path());
    const bool setAside = std::filesystem::exists(file.string() + ".bad");
    return std::distance(begin(entries), end(entries)) == (setAside ? 3 : 2);
}
