#include "resources/MediaAudit.hpp"

#include "resources/MediaFiles.hpp"
#include "support/ScopedXdgHome.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

class MediaAuditRun : public ::testing::Test
{
protected:
    bool audit(const fs::path& folder)
    {
        ScopedWorkingDirectory inside(folder);
        return MediaAudit::checkAll(mOut);
    }

    // A scratch copy of the built media that a test may damage.
    fs::path copyOfMedia()
    {
        fs::copy(TestFolders::withMedia() / "Media", mScratch.folder() / "Media",
                 fs::copy_options::recursive);
        return mScratch.folder();
    }

    std::ostringstream mOut;
    ScopedXdgHome mScratch;
};

TEST_F(MediaAuditRun, TheBuiltMediaAllLoadOneLineEach)
{
    EXPECT_TRUE(audit(TestFolders::withMedia()));
    const std::vector<std::string> reported = lines(mOut.str());
    EXPECT_EQ(reported.size(), 27u); // 22 with a loading line, the song, 4 opened quietly
    for (const std::string& line : reported)
        EXPECT_NE(line.find(" SUCCESFULLY loaded!"), std::string::npos) << line;
}

TEST_F(MediaAuditRun, ACutShortImageFailsTheCheckAndIsNamed)
{
    const fs::path folder = copyOfMedia();
    fs::resize_file(folder / MediaFiles::EnemyB, 300);
    EXPECT_FALSE(audit(folder));
    const std::string expected = std::string(MediaFiles::EnemyB) + " failed to load";
    int failures = 0;
    for (const std::string& line : lines(mOut.str()))
        failures += line.find(" failed to load") != std::string::npos;
    EXPECT_NE(mOut.str().find(expected), std::string::npos) << mOut.str();
    EXPECT_EQ(failures, 1);
}

TEST_F(MediaAuditRun, ASongCutShortOrMissingFailsTheCheck)
{
    const fs::path folder = copyOfMedia();
    fs::resize_file(folder / MediaFiles::MenuSong, 100);
    fs::remove(folder / MediaFiles::Lose2);
    EXPECT_FALSE(audit(folder));
    EXPECT_NE(mOut.str().find(std::string(MediaFiles::MenuSong) + " failed"), std::string::npos);
    EXPECT_NE(mOut.str().find(std::string(MediaFiles::Lose2) + " failed"), std::string::npos);
}
} // namespace
