#include "support/WorkingDirectory.hpp"

#include <unistd.h>

TemporaryFolder::TemporaryFolder(const std::string& purpose)
{
    static int counter = 0;
    mPath = std::filesystem::temp_directory_path() /
            ("vantorix-" + purpose + "-" + std::to_string(::getpid()) + "-" +
             std::to_string(counter++));
    std::filesystem::remove_all(mPath);
    std::filesystem::create_directories(mPath);
}

TemporaryFolder::~TemporaryFolder()
{
    if (mPath.empty())
        return;
    std::error_code ignored; // a destructor must not throw; nothing better to do
    std::filesystem::remove_all(mPath, ignored);
}

TemporaryFolder::TemporaryFolder(TemporaryFolder&& other) noexcept : mPath(std::move(other.mPath))
{
    other.mPath.clear();
}
