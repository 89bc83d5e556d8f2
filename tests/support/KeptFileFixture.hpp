#pragma once

#include "config/KeptFile.hpp"
#include "support/ScopedXdgHome.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

// For tests of a file the game keeps, in a scratch home: plant the file as an
// earlier run or the player left it, block its folder with a file, read back
// what is on disk, list what else is in its folder, count the lines said
// about it, and run a second game in a process of its own.
class KeptFileFixture : public ::testing::Test
{
protected:
    KeptFileFixture(KeptFile::Place place, const std::string& name) : mFile(place, name) {}

    const std::filesystem::path& path() const { return mFile.path(); }
    std::filesystem::path folder() const { return path().parent_path(); }

    void plant(const std::string& contents) const
    {
        std::filesystem::create_directories(folder());
        std::ofstream(path(), std::ios::binary) << contents;
    }

    // A file where the game's folder should be.
    void blockFolder() const
    {
        std::filesystem::create_directories(folder().parent_path());
        std::ofstream(folder()) << "a file where the folder goes";
    }

    std::string onDisk() const
    {
        std::ifstream in(path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::vector<std::filesystem::path> folderEntries() const
    {
        std::vector<std::filesystem::path> entries;
        for (const auto& entry : std::filesystem::directory_iterator(folder()))
            entries.push_back(entry.path());
        return entries;
    }

    // What the folder holds besides the file and its lock.
    std::vector<std::filesystem::path> strayFiles() const
    {
        std::vector<std::filesystem::path> stray = folderEntries();
        const std::filesystem::path lock = folder() / ("." + path().filename().string() + ".lock");
        stray.erase(std::remove_if(stray.begin(), stray.end(),
                                   [&](const auto& each)
                                   { return each == path() || each == lock; }),
                    stray.end());
        return stray;
    }

    // Runs what in a forked process; returns its wait status.
    static int inAnotherProcess(const std::function<void()>& what)
    {
        const pid_t child = ::fork();
        if (child == 0)
        {
            what();
            ::_exit(0);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        return status;
    }

    std::size_t problemLines() const
    {
        const std::string text = mProblems.str();
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }

    // First: every kept file made later reads the scratch home's variables.
    ScopedXdgHome mHome;
    KeptFile mFile;
    std::ostringstream mProblems;
};
