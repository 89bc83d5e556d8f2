#include "support/DamagedMedia.hpp"
#include "support/ScreenCycle.hpp"

#include "resources/MediaAudit.hpp"
#include "resources/MediaFiles.hpp"
#include "resources/MediaVerdicts.hpp"
#include "resources/ScreenMedia.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/SharedState.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <stdexcept>
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

const ScreenMedia::File& entryOf(const std::string& file)
{
    for (const auto screen : {ScreenMedia::Screen::Play, ScreenMedia::Screen::Menu,
                              ScreenMedia::Screen::GameOver, ScreenMedia::Screen::Window})
        for (const ScreenMedia::File& each : ScreenMedia::of(screen))
            if (file == each.name)
                return each;
    throw std::invalid_argument(file + " is no screen's");
}

bool isPlayFile(const std::string& file)
{
    const auto& play = ScreenMedia::of(ScreenMedia::Screen::Play);
    return std::any_of(play.begin(), play.end(),
                       [&](const ScreenMedia::File& each) { return file == each.name; });
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A hostile file may cost memory while it is turned away, in the game or in
// the child that judges it, but nothing near what it claims or asks for (60000
// x 60000 RGBA would be 14 GB, a crafted PNG inflates to 1.4 GB).
constexpr long PeakResidentLimitKiB = 512 * 1024;

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
    SharedState::Restorer mRestoresSharedState;
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
};

TEST_P(HostileMediaFile, IsReportedAndTheWholeCycleStillRuns)
{
    const auto& [file, damage] = GetParam();
    const TemporaryFolder folder = DamagedMedia::makeCopy(TestFolders::withMedia(), file, damage);

    ScreenCycle::Outcome outcome;
    std::vector<std::string> console;
    bool auditLoaded = true;
    {
        ScopedWorkingDirectory inDamagedCopy(folder);
        ConsoleCapture capture;
        // With a file of play's, long enough for the first enemies to come,
        // fire and be drawn; otherwise play only has to start. Coarse steps, as
        // the files are on trial here, not the movement.
        ScreenCycle::Limits limits;
        limits.step = sf::seconds(0.25f);
        limits.playTime = sf::seconds(isPlayFile(file) ? 12.f : 2.f);
        limits.opensWindow = true;
        outcome = ScreenCycle::run(mWindow, limits);
        console = capture.lines();
        auditLoaded = MediaAudit::loads(entryOf(file));
    }

    EXPECT_TRUE(outcome.menuEndedOnPlay) << "the menu did not answer a click on Play";
    EXPECT_GT(outcome.playTime, sf::seconds(1.f));
    EXPECT_TRUE(outcome.loseScreenEnded) << "the game-over screen did not end by itself";
    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_EQ(console, expectedConsole(file));
    // A song cut short still opens: the menu loops what is left of it.
    const bool songSurvives = file != MediaFiles::MenuSong || damage == Damage::TruncatedToAThird;
    EXPECT_EQ(outcome.songPlayed, songSurvives);
    EXPECT_EQ(auditLoaded, file == MediaFiles::MenuSong && songSurvives)
        << "--check-media does not give the game's verdict";
    EXPECT_LT(peakResidentKiB(), PeakResidentLimitKiB);
    EXPECT_LT(MediaVerdicts::shared().largestChildBytes() >> 10, PeakResidentLimitKiB);
}

INSTANTIATE_TEST_SUITE_P(EveryFileEveryDamage, HostileMediaFile,
                         ::testing::Combine(::testing::ValuesIn(DamagedMedia::catalogue()),
                                            ::testing::ValuesIn(DamagedMedia::everyDamage())),
                         caseName);
INSTANTIATE_TEST_SUITE_P(FoundByAttack, HostileMediaFile,
                         ::testing::ValuesIn(DamagedMedia::reproductions()), caseName);

// OpenAL Soft given a driver that does not exist: no audio device at all. The
// library reads its drivers once per process, so the cycle runs in a process
// of its own.
TEST(NoAudioDevice, WholeCycleStillRunsSilently)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto playCycle = []
    {
        setenv("ALSOFT_DRIVERS", "no-such-audio-driver", 1);
        sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
        ScopedWorkingDirectory inMedia(TestFolders::withMedia());
        ConsoleCapture console;
        const ScreenCycle::Outcome outcome = ScreenCycle::run(window, ScreenCycle::Limits());
        const bool complete =
            outcome.menuEndedOnPlay && outcome.playEndedByItself && outcome.loseScreenEnded;
        const bool loaded = console.lines() == expectedConsole("");
        std::cerr << "cycle " << (complete ? "complete" : "incomplete") << ", console "
                  << (loaded ? "as expected" : "differs") << ", song "
                  << (outcome.songPlayed ? "played" : "silent") << std::endl;
        std::exit(complete && loaded && !outcome.songPlayed ? 0 : 1);
    };
    EXPECT_EXIT(playCycle(), ::testing::ExitedWithCode(0), "cycle complete, console as expected");
}
