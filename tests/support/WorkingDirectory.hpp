#pragma once

#include <filesystem>
#include <string>

// The game reads Media/ relative to the working directory. Tests step into the
// build folder (where the generated Media lives) or into a folder of their own.
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

// A fresh, empty folder in the temporary folder, removed with everything in it
// when the object goes, however the test ends.
class TemporaryFolder
{
public:
    explicit TemporaryFolder(const std::string& purpose = "empty");
    ~TemporaryFolder();
    TemporaryFolder(TemporaryFolder&& other) noexcept;
    TemporaryFolder& operator=(TemporaryFolder&&) = delete;
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    operator const std::filesystem::path&() const { return mPath; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const
    {
        return mPath / relative;
    }

private:
    std::filesystem::path mPath;
};

namespace TestFolders
{
// The folder that holds the generated Media/ (the build folder).
inline std::filesystem::path withMedia()
{
    return VANTORIX_MEDIA_PARENT;
}
} // namespace TestFolders
