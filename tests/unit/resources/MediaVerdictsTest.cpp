#include "resources/MediaVerdicts.hpp"

#include "support/KeptFileFixture.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
using BoundedChild::End;
using MediaTrial::Kind;

// Verdicts in a scratch cache folder, judged by a stand-in for the child that
// counts its runs and ends as the test says.
class VerdictsKept : public KeptFileFixture
{
protected:
    VerdictsKept() : KeptFileFixture(KeptFile::Place::Cache, "media-verdicts") {}

    // A game started afresh: it knows only what the file of verdicts holds.
    MediaVerdicts start()
    {
        return MediaVerdicts(KeptFile::Place::Cache, "media-verdicts", mProblems,
                             [this](Kind, const std::string&)
                             {
                                 ++mChildren;
                                 return mEnd;
                             });
    }

    std::string media(const std::string& name, const std::string& contents = "bytes")
    {
        const std::string file = (mMedia / name).string();
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

    TemporaryFolder mMedia{"verdicts"};
    BoundedChild::Outcome mEnd{End::Passed, 0, 0};
    int mChildren = 0;
};

TEST_F(VerdictsKept, EachFileIsJudgedOnceAndKnownAtTheNextStart)
{
    const std::string file = media("ship.png");
    MediaVerdicts first = start();
    EXPECT_TRUE(first.isGood(Kind::Image, file));
    EXPECT_TRUE(first.isGood(Kind::Image, file));
    EXPECT_TRUE(first.isGood(Kind::Song, file)); // another trial, another verdict
    EXPECT_EQ(mChildren, 2);

    MediaVerdicts next = start();
    EXPECT_TRUE(next.isGood(Kind::Image, file));
    EXPECT_EQ(mChildren, 2);
    // Changed, it is another file, whose verdict takes the old one's place.
    media("ship.png", "other bytes");
    mEnd.end = End::Refused;
    EXPECT_FALSE(next.isGood(Kind::Image, file));
    EXPECT_EQ(mChildren, 3);
    EXPECT_EQ(onDisk().find("good image"), std::string::npos) << onDisk();
    EXPECT_FALSE(start().isGood(Kind::Image, file));
    EXPECT_EQ(mChildren, 3);
}

TEST_F(VerdictsKept, OnlyAnEndThatSaysSomethingAboutTheFileIsKept)
{
    const struct
    {
        End end;
        int signal;
        bool kept;
        std::size_t problemLines;
    } ends[] = {
        {End::Passed, 0, true, 0},      {End::Refused, 0, true, 0},   {End::Crashed, 11, true, 1},
        {End::OutOfMemory, 0, true, 1}, {End::OutOfTime, 0, true, 1}, {End::Stalled, 0, false, 1},
        {End::NotStarted, 0, false, 1},
    };
    for (const auto& each : ends)
    {
        SCOPED_TRACE(static_cast<int>(each.end));
        const std::string file = media("file" + std::to_string(static_cast<int>(each.end)));
        mEnd = {each.end, each.signal, 0};
        const std::size_t before = problemLines();
        mChildren = 0;
        EXPECT_EQ(start().isGood(Kind::SoundBuffer, file), each.end == End::Passed);
        EXPECT_EQ(problemLines() - before, each.problemLines) << mProblems.str();
        start().isGood(Kind::SoundBuffer, file);
        EXPECT_EQ(mChildren, each.kept ? 1 : 2);
    }
    EXPECT_NE(mProblems.str().find("file2: its decoder crashed (signal 11)"), std::string::npos);
}

TEST_F(VerdictsKept, ADamagedFileOfVerdictsCostsOnlyTheVerdicts)
{
    const std::string file = media("hover.wav");
    start().isGood(Kind::SoundBuffer, file);
    const std::string whole = onDisk();
    const std::string heading = whole.substr(0, whole.find('\n') + 1);
    const std::string line = whole.substr(heading.size());
    const struct
    {
        std::string contents;
        int children; // 1: judged again, and the file rewritten
    } damaged[] = {
        {std::string(300, '\xFF'), 1},
        {"vantorix media verdicts 0.1\n" + line, 1}, // another version's
        {heading + std::string(1 << 20, 'x') + line, 1},
        // Lines cut short, of another verdict, of another trial, of a relative path.
        {heading + "good sound 1:2 " + file + "\nmaybe" + line.substr(4) + "good cheese" +
             line.substr(10) + "good sound 1:2:3:4 relative\n" + line,
         0},
    };
    for (const auto& each : damaged)
    {
        plant(each.contents);
        mChildren = 0;
        EXPECT_TRUE(start().isGood(Kind::SoundBuffer, file));
        EXPECT_EQ(mChildren, each.children);
        EXPECT_EQ(onDisk() == heading + line, each.children == 1) << onDisk();
    }
    // A folder where the file goes: judged every time, said once.
    std::filesystem::remove(path());
    std::filesystem::create_directories(path());
    MediaVerdicts verdicts = start();
    EXPECT_TRUE(verdicts.isGood(Kind::SoundBuffer, file));
    EXPECT_TRUE(verdicts.isGood(Kind::Image, file));
    EXPECT_EQ(problemLines(), 1u) << mProblems.str();
}
} // namespace
