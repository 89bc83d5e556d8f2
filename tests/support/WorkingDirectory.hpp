#pragma once

#include <filesystem>
#include <string>

// The game reads Media/ relative to the working directory. Tests step into the
// build folder (where the generated Media lives) or into an empty folder.
class ScopedWorkingDirectory
{
public:
    explicit ScopedWorkingDirectory(const std::filesystem::path& folder)
        : mPrevious(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingDirectory() { std::filesystem::current_path(mPrevious); }

    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::filesystem::path mPrevious;
};

namespace TestFolders
{
// The folder that holds the generated Media/ (the build folder).
inline std::filesystem::path withMedia()
{
    return VANTORIX_MEDIA_PARENT;
}

// A fresh empty folder: every load fails there.
std::filesystem::path empty();
} // namespace TestFolders
