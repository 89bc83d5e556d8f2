#include "config/BestLevel.hpp"

#include "support/KeptFileFixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include <sys/stat.h>

namespace
{
namespace fs = std::filesystem;

TEST(BestLevelText, HoldsAWholeNumberFromOneToTheLargestLevel)
{
    const struct
    {
        std::string text;
        std::optional<int> level;
    } cases[] = {
        {"7", 7},
        {"7\n", 7},
        {" 12 \r\n", 12},
        {"1", 1},
        {"1000000", BestLevel::Largest},
        {"0", std::nullopt},
        {"1000001", std::nullopt},
        {"-3", std::nullopt},
        {"+3", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"7 8", std::nullopt},
        {"seven", std::nullopt},
        {"0x10", std::nullopt},
        {"", std::nullopt},
        {"\n", std::nullopt},
        {std::string("7\0", 2), std::nullopt},
        {"\xff\xfe\x37", std::nullopt},
    };
    for (const auto& each : cases)
        EXPECT_EQ(BestLevel::parse(each.text), each.level) << '"' << each.text << '"';
}

class BestLevelRecord : public KeptFileFixture
{
protected:
    BestLevelRecord() : KeptFileFixture(KeptFile::Place::Data, "best-level") {}

    BestLevel mBest;
};

TEST_F(BestLevelRecord, AFirstGameStartsTheRecordWithoutCallingItNew)
{
    mBest.load(mProblems);
    EXPECT_FALSE(mBest.best());
    const BestLevel::Outcome outcome = mBest.record(1, mProblems);
    EXPECT_EQ(outcome.best, 1);
    EXPECT_FALSE(outcome.isNewBest);
    EXPECT_EQ(onDisk(), "1\n");
    EXPECT_EQ(mProblems.str(), "");
}

TEST_F(BestLevelRecord, OnlyAHigherLevelIsANewBest)
{
    plant("4\n");
    mBest.load(mProblems);
    const struct
    {
        int reached;
        int best;
        bool isNewBest;
    } games[] = {{3, 4, false}, {4, 4, false}, {5, 5, true}, {2, 5, false}};
    for (const auto& game : games)
    {
        const BestLevel::Outcome outcome = mBest.record(game.reached, mProblems);
        EXPECT_EQ(outcome.best, game.best) << game.reached;
        EXPECT_EQ(outcome.isNewBest, game.isNewBest) << game.reached;
        EXPECT_EQ(onDisk(), std::to_string(game.best) + "\n");
    }
    EXPECT_EQ(mProblems.str(), "");
}

TEST_F(BestLevelRecord, ADamagedRecordIsReportedOnceAndReplacedAtTheNextGameOver)
{
    const std::string damagedRecords[] = {"abc", "-2", "123456789", std::string("\0\x01\x02", 3)};
    for (const std::string& damaged : damagedRecords)
    {
        plant(damaged);
        std::ostringstream problems;
        BestLevel best;
        best.load(problems);
        EXPECT_FALSE(best.best());
        best.record(1, problems);
        EXPECT_EQ(onDisk(), "1\n");
        const std::string text = problems.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
        EXPECT_NE(text.find("best level"), std::string::npos) << text;
    }
}

TEST_F(BestLevelRecord, AnOversizedRecordIsDamagedToo)
{
    plant(std::string(1 << 20, '7'));
    mBest.load(mProblems);
    EXPECT_FALSE(mBest.best());
    EXPECT_EQ(problemLines(), 1u);
}

TEST_F(BestLevelRecord, AFolderInItsPlaceCostsOnlyTheRecordInOneLine)
{
    fs::create_directories(path() / "keep-me");
    mBest.load(mProblems);
    for (int game = 0; game < 3; ++game)
        EXPECT_EQ(mBest.record(2 + game, mProblems).best, 2 + game);
    EXPECT_TRUE(fs::is_directory(path() / "keep-me"));
    EXPECT_EQ(problemLines(), 1u) << mProblems.str();
}

TEST_F(BestLevelRecord, ARecordThatCannotBeReadIsLeftAsItIs)
{
    // A pipe, which a rename would replace as readily as a file that is not
    // ours to read; permissions would not stop the root that tests may run as.
    fs::create_directories(folder());
    ASSERT_EQ(::mkfifo(path().c_str(), 0600), 0);
    mBest.load(mProblems);
    EXPECT_EQ(mBest.record(3, mProblems).best, 3);
    EXPECT_TRUE(fs::is_fifo(path()));
    EXPECT_EQ(problemLines(), 1u) << mProblems.str();
}

TEST_F(BestLevelRecord, AnotherGamesHigherRecordIsKept)
{
    plant("4\n");
    BestLevel other;
    other.load(mProblems);
    mBest.load(mProblems);
    other.record(7, mProblems);
    const BestLevel::Outcome outcome = mBest.record(5, mProblems);
    EXPECT_EQ(outcome.best, 7);
    EXPECT_FALSE(outcome.isNewBest);
    EXPECT_EQ(onDisk(), "7\n");
}

TEST_F(BestLevelRecord, TwoGamesWritingAtOnceTakeTurns)
{
    plant("5\n");
    mBest.load(mProblems);
    int inside[2];
    ASSERT_EQ(::pipe(inside), 0);
    const pid_t other = inAnotherProcess(
        [&]
        {
            // Lingers before its rename, the moment another game's write would slip in.
            ScriptedDisk slow;
            slow.beforeRename = [&]
            {
                (void)!::write(inside[1], "!", 1);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            };
            BestLevel otherGame(KeptFile(KeptFile::Place::Data, "best-level", &slow));
            otherGame.load(mProblems);
            otherGame.record(6, mProblems);
        });
    char signal = 0;
    ASSERT_EQ(::read(inside[0], &signal, 1), 1);
    mBest.record(9, mProblems);
    exitOf(other);
    EXPECT_EQ(onDisk(), "9\n");
    EXPECT_EQ(strayFiles(), 0u);
}

TEST_F(BestLevelRecord, AFolderThatCannotBeMadeCostsOnlyTheRecordInOneLine)
{
    blockFolder();
    mBest.load(mProblems);
    EXPECT_EQ(mBest.record(3, mProblems).best, 3);
    EXPECT_EQ(mBest.record(4, mProblems).best, 4);
    EXPECT_EQ(problemLines(), 1u) << mProblems.str();
}
} // namespace
