#include "DamagedMedia.hpp"
#include "ScreenCycle.hpp"

#include "resources/MediaFiles.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

using DamagedMedia::Damage;

namespace
{
// The console lines of one cycle, screen by screen in loading order: the
// catalogue without the song, which the menu opens itself, unreported.
const std::vector<std::string> CycleFiles = []
{
    std::vector<std::string> files;
    for (const std::string& file : DamagedMedia::catalogue())
        if (file != MediaFiles::MenuSong)
            files.push_back(file);
    return files;
}();

std::vector<std::string> expectedConsole(const std::string& damaged)
{
    std::vector<std::string> lines;
    for (const std::string& file : CycleFiles)
        lines.push_back(file + (file == damaged ? " failed to load" : " SUCCESFULLY loaded!"));
    return lines;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A hostile file may cost memory while it is turned away, but nothing near
// what its header claims (60000 x 60000 RGBA would be 14 GB).
constexpr long PeakResidentLimitKiB = 1024 * 1024;

class ConsoleCapture
{
public:
    ConsoleCapture() : mPrevious(std::cout.rdbuf(mText.rdbuf())) {}
    ~ConsoleCapture() { std::cout.rdbuf(mPrevious); }
    std::string text() const { return mText.str(); }

private:
    std::ostringstream mText;
    std::streambuf* mPrevious;
};

using HostileCase = std::tuple<std::string, Damage>;

std::string caseName(const ::testing::TestParamInfo<HostileCase>& info)
{
    std::string name = std::filesystem::path(std::get<0>(info.param)).filename().string() + "_" +
                       DamagedMedia::nameOf(std::get<1>(info.param));
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}
} // namespace

class HostileMediaFile : public ::testing::TestWithParam<HostileCase>
{
protected:
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
};

TEST_P(HostileMediaFile, IsReportedAndTheWholeCycleStillRuns)
{
    const auto& [file, damage] = GetParam();
    const std::filesystem::path folder =
        DamagedMedia::makeCopy(TestFolders::withMedia(), file, damage);

    ScreenCycle::Outcome outcome;
    std::string console;
    {
        ScopedWorkingDirectory inDamagedCopy(folder);
        ConsoleCapture capture;
        // Long enough for the first enemies to come, fire and be drawn; coarse
        // steps, as the files are on trial here, not the movement.
        ScreenCycle::Limits limits;
        limits.step = sf::seconds(0.25f);
        limits.playTime = sf::seconds(12.f);
        outcome = ScreenCycle::run(mWindow, limits);
        console = capture.text();
    }
    std::filesystem::remove_all(folder);

    EXPECT_TRUE(outcome.menuEndedOnPlay) << "the menu did not answer a click on Play";
    EXPECT_GT(outcome.playTime, sf::seconds(1.f));
    EXPECT_TRUE(outcome.loseScreenEnded) << "the game-over screen did not end by itself";
    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_EQ(linesOf(console), expectedConsole(file));
    // A song cut short still opens: the menu loops what is left of it.
    const bool songSurvives = file != MediaFiles::MenuSong || damage == Damage::TruncatedToAThird;
    EXPECT_EQ(outcome.songPlayed, songSurvives);
    EXPECT_LT(peakResidentKiB(), PeakResidentLimitKiB);
}

INSTANTIATE_TEST_SUITE_P(EveryFileEveryDamage, HostileMediaFile,
                         ::testing::Combine(::testing::ValuesIn(DamagedMedia::catalogue()),
                                            ::testing::ValuesIn(DamagedMedia::everyDamage())),
                         caseName);

// Intact media: the same cycle loads everything and plays the song.
TEST(IntactMedia, WholeCycleLoadsEveryFileAndPlaysTheSong)
{
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
    ScreenCycle::Outcome outcome;
    std::string console;
    {
        ScopedWorkingDirectory inMedia(TestFolders::withMedia());
        ConsoleCapture capture;
        outcome = ScreenCycle::run(window, ScreenCycle::Limits());
        console = capture.text();
    }
    EXPECT_TRUE(outcome.menuEndedOnPlay);
    EXPECT_TRUE(outcome.playEndedByItself) << "an enemy should reach the wall and end play";
    EXPECT_TRUE(outcome.loseScreenEnded);
    EXPECT_TRUE(outcome.songPlayed);
    EXPECT_EQ(linesOf(console), expectedConsole(""));
}

// OpenAL Soft given a driver that does not exist: no audio device at all.
TEST(NoAudioDevice, WholeCycleStillRunsSilently)
{
    setenv("ALSOFT_DRIVERS", "no-such-audio-driver", 1);
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
    ScreenCycle::Outcome outcome;
    std::string console;
    {
        ScopedWorkingDirectory inMedia(TestFolders::withMedia());
        ConsoleCapture capture;
        outcome = ScreenCycle::run(window, ScreenCycle::Limits());
        console = capture.text();
    }
    EXPECT_TRUE(outcome.menuEndedOnPlay);
    EXPECT_TRUE(outcome.playEndedByItself);
    EXPECT_TRUE(outcome.loseScreenEnded);
    EXPECT_EQ(linesOf(console), expectedConsole(""));
}
