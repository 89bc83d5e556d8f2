#include "config/KeptFile.hpp"

#include "support/KeptFileFixture.hpp"
#include "support/ScopedXdgHome.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace
{
namespace fs = std::filesystem;
using Status = KeptFile::Reading::Status;

class KeptFileFolders : public ::testing::Test
{
protected:
    ScopedXdgHome mHome;
};

TEST_F(KeptFileFolders, FollowTheXdgVariablesAndFallBackToHome)
{
    const fs::path home = mHome.folder();
    const struct
    {
        KeptFile::Place place;
        std::optional<std::string> xdg;
        fs::path expected;
    } cases[] = {
        {KeptFile::Place::Data, "/somewhere/data", "/somewhere/data/vantorix/f"},
        {KeptFile::Place::Data, std::nullopt, home / ".local/share/vantorix/f"},
        {KeptFile::Place::Data, "", home / ".local/share/vantorix/f"},
        {KeptFile::Place::Data, "relative/data", home / ".local/share/vantorix/f"},
        {KeptFile::Place::Config, "/somewhere/config", "/somewhere/config/vantorix/f"},
        {KeptFile::Place::Config, std::nullopt, home / ".config/vantorix/f"},
    };
    for (const auto& each : cases)
    {
        const bool data = each.place == KeptFile::Place::Data;
        mHome.set(data ? "XDG_DATA_HOME" : "XDG_CONFIG_HOME", each.xdg);
        EXPECT_EQ(KeptFile(each.place, "f").path(), each.expected) << each.xdg.value_or("(unset)");
    }
}

TEST_F(KeptFileFolders, WithoutAnyFolderNothingIsReadAndWritingSaysWhy)
{
    mHome.set("XDG_DATA_HOME", std::nullopt);
    mHome.set("HOME", std::nullopt);
    const KeptFile file(KeptFile::Place::Data, "best-level");
    EXPECT_TRUE(file.path().empty());
    EXPECT_EQ(file.read(16).status, Status::Missing);
    std::string problem;
    EXPECT_FALSE(file.write("1\n", problem));
    EXPECT_FALSE(problem.empty());
}

class KeptFileContents : public KeptFileFixture
{
protected:
    KeptFileContents() : KeptFileFixture(KeptFile::Place::Config, "settings.ini") {}
};

TEST_F(KeptFileContents, AMissingFileIsNotAProblem)
{
    const KeptFile::Reading reading = mFile.read(64);
    EXPECT_EQ(reading.status, Status::Missing);
    EXPECT_TRUE(reading.problem.empty());
}

TEST_F(KeptFileContents, WrittenContentsReadBackWholeAndLeaveNoTemporaryBehind)
{
    std::string problem;
    ASSERT_TRUE(mFile.write("old\n", problem)) << problem;
    ASSERT_TRUE(mFile.write(std::string("new\0binary\n", 11), problem)) << problem;
    const KeptFile::Reading reading = mFile.read(64);
    EXPECT_EQ(reading.status, Status::Read);
    EXPECT_EQ(reading.contents, std::string("new\0binary\n", 11));
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{mFile.path()});
}

TEST_F(KeptFileContents, ASizeLimitIsInclusive)
{
    plant(std::string(64, 'x'));
    EXPECT_EQ(mFile.read(64).status, Status::Read);
    const KeptFile::Reading over = mFile.read(63);
    EXPECT_EQ(over.status, Status::Unusable);
    EXPECT_NE(over.problem.find("63"), std::string::npos) << over.problem;
}

TEST_F(KeptFileContents, AFolderInThePlaceOfTheFileIsUnusableAndCannotBeReplaced)
{
    fs::create_directories(mFile.path() / "inside");
    EXPECT_EQ(mFile.read(64).status, Status::Unusable);
    std::string problem;
    EXPECT_FALSE(mFile.write("x", problem));
    EXPECT_FALSE(problem.empty());
    EXPECT_TRUE(fs::is_directory(mFile.path() / "inside"));
    EXPECT_EQ(folderEntries(), std::vector<fs::path>{mFile.path()}) << "no temporary left";
}

TEST_F(KeptFileContents, AFileInThePlaceOfTheFolderCostsOnlyTheWrite)
{
    blockFolder();
    std::string problem;
    EXPECT_FALSE(mFile.write("x", problem));
    EXPECT_NE(problem.find(mFile.path().parent_path().string()), std::string::npos) << problem;
    EXPECT_NE(mFile.read(64).status, Status::Read);
}
} // namespace
