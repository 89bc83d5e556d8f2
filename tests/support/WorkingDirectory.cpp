#include "support/WorkingDirectory.hpp"

#include <unistd.h>

std::filesystem::path TestFolders::empty()
{
    static int counter = 0;
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("vantorix-empty-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    return folder;
}
