#include "config/KeptFile.hpp"

#include "support/KeptFileFixture.hpp"
#include "support/ScopedXdgHome.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include <csignal>

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

TEST_F(KeptFileFolders, AreMadeForThePlayerAloneButNeverMakeAMissingHome)
{
    mHome.set("XDG_DATA_HOME", std::nullopt);
    std::string problem;
    ASSERT_TRUE(KeptFile(KeptFile::Place::Data, "f").write("1\n", problem)) << problem;
    for (const char* made : {".local", ".local/share", ".local/share/vantorix"})
        EXPECT_EQ(fs::status(mHome.folder() / made).permissions(), fs::perms::owner_all) << made;
    // A problem names the folder on one line, whatever its name holds: a line
    // or paragraph separator, a C1 control, a newline.
    const std::string odd = "gone\xe2\x80\xa8\xc2\x85\n";
    mHome.set("HOME", (mHome.folder() / odd).string());
    EXPECT_FALSE(KeptFile(KeptFile::Place::Data, "f").write("1\n", problem));
    EXPECT_FALSE(fs::exists(mHome.folder() / odd)) << problem;
    EXPECT_NE(problem.find("gone\\xe2\\x80\\xa8\\xc2\\x85\\x0a"), std::string::npos) << problem;
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
    EXPECT_EQ(strayFiles(), 0u);
}

TEST_F(KeptFileContents, ASizeLimitIsInclusive)
{
    plant(std::string(64, 'x'));
    EXPECT_EQ(mFile.read(64).status, Status::Read);
    const KeptFile::Reading over = mFile.read(63);
    EXPECT_EQ(over.status, Status::TooLarge);
    EXPECT_NE(over.problem.find("63"), std::string::npos) << over.problem;
}

TEST_F(KeptFileContents, AFolderInThePlaceOfTheFileIsUnreadableAndCannotBeReplaced)
{
    fs::create_directories(mFile.path() / "inside");
    EXPECT_EQ(mFile.read(64).status, Status::Unreadable);
    std::string problem;
    EXPECT_FALSE(mFile.write("x", problem));
    EXPECT_FALSE(problem.empty());
    EXPECT_TRUE(fs::is_directory(mFile.path() / "inside"));
    EXPECT_EQ(strayFiles(), 0u) << "no temporary left";
}

TEST_F(KeptFileContents, AFileInThePlaceOfTheFolderCostsOnlyTheWrite)
{
    blockFolder();
    std::string problem;
    EXPECT_FALSE(mFile.write("x", problem));
    EXPECT_NE(problem.find(mFile.path().parent_path().string()), std::string::npos) << problem;
    EXPECT_NE(mFile.read(64).status, Status::Read);
}

TEST_F(KeptFileContents, AWriteIsANewFileFlushedThenRenamedOverTheOldThenItsFolderFlushed)
{
    plant("old\n");
    const auto inode = [&]
    {
        struct stat info = {};
        ::stat(path().c_str(), &info);
        return info.st_ino;
    };
    const ino_t old = inode();
    const ScriptedDisk disk;
    std::string problem;
    ASSERT_TRUE(KeptFile(KeptFile::Place::Config, "settings.ini", &disk).write("new\n", problem));
    EXPECT_NE(inode(), old) << "written in place";
    EXPECT_EQ(disk.steps, (std::vector<std::string>{"flush file", "rename", "flush folder"}));
}

TEST_F(KeptFileContents, AGameKilledBeforeTheRenameLeavesTheOldFileWholeAndTheNextWriteItsMess)
{
    plant("old\n");
    const int status = exitOf(inAnotherProcess(
        []
        {
            ScriptedDisk killed;
            killed.beforeRename = [] { ::raise(SIGKILL); };
            std::string ignored;
            KeptFile(KeptFile::Place::Config, "settings.ini", &killed).write("new\n", ignored);
        }));
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(onDisk(), "old\n");
    EXPECT_EQ(strayFiles(), 1u) << "the killed game's temporary file";
    std::string problem;
    ASSERT_TRUE(mFile.write("newer\n", problem)) << problem;
    EXPECT_EQ(strayFiles(), 0u);
}
// Every write takes the file's lock: a second writer waits for the first to
// finish, so the last to come is the one kept, never a write overtaken.
TEST_F(KeptFileContents, EveryWriteWaitsForAnotherWritersLock)
{
    for (const bool byUpdate : {false, true})
    {
        plant("old\n");
        int inside[2];
        ASSERT_EQ(::pipe(inside), 0);
        const pid_t other = inAnotherProcess(
            [&]
            {
                ScriptedDisk slow;
                slow.beforeRename = [&]
                {
                    (void)!::write(inside[1], "!", 1);
                    std::this_thread::sleep_for(std::chrono::milliseconds(300));
                };
                std::string ignored;
                const bool written = KeptFile(KeptFile::Place::Config, "settings.ini", &slow)
                                         .write("first\n", ignored);
                ::_exit(written ? 0 : 3);
            });
        char signal = 0;
        ASSERT_EQ(::read(inside[0], &signal, 1), 1);
        std::string problem;
        const bool written =
            byUpdate ? mFile.update(
                           64, [](const KeptFile::Reading&) { return "second\n"; }, problem)
                     : mFile.write("second\n", problem);
        EXPECT_TRUE(written) << problem;
        EXPECT_EQ(exitOf(other), 0) << "the first writer's write is done too";
        EXPECT_EQ(onDisk(), "second\n") << (byUpdate ? "update" : "write");
        ::close(inside[0]);
        ::close(inside[1]);
    }
}
} // namespace
