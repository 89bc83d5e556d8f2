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

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// For tests of a file the game keeps, in a scratch home: plant the file as an
// earlier run or the player left it, block its folder with a file, read back
// what is on disk and what else its folder holds, count the lines said about
// it, and play a second game in a process of its own.
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

    // The folder's entries besides the file and its lock.
    std::size_t strayFiles() const { return folderEntries().size() - 2; }

    // The steps of a write, recorded; beforeRename runs just before the rename
    // (to kill the game there, or to linger while another game writes).
    struct ScriptedDisk : KeptFile::Disk
    {
        std::function<void()> beforeRename = [] {};
        mutable std::vector<std::string> steps;

        bool flush(int fd) const override
        {
            struct stat info = {};
            ::fstat(fd, &info);
            steps.push_back(S_ISDIR(info.st_mode) ? "flush folder" : "flush file");
            return Disk::flush(fd);
        }
        bool rename(const std::filesystem::path& from,
                    const std::filesystem::path& to) const override
        {
            steps.push_back("rename");
            beforeRename();
            return Disk::rename(from, to);
        }
    };

    static pid_t inAnotherProcess(const std::function<void()>& game)
    {
        const pid_t child = ::fork();
        if (child == 0)
        {
            game();
            ::_exit(0);
        }
        return child;
    }

    static int exitOf(pid_t child)
    {
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
