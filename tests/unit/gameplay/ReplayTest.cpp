#include "actors/Player.hpp"
#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "gameplay/ReplayGame.hpp"
#include "replay/ReplayFiles.hpp"
#include "replay/ReplayWriter.hpp"
#include "session/Adjustments.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/PlayScreen.hpp"
#include "support/ScopedXdgHome.hpp"
#include "support/SharedState.hpp"
#include "support/TestSession.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <thread>

namespace
{
const sf::Time Frame = sf::microseconds(16667);

std::string contentsOf(ReplayFiles::Kept which)
{
    std::ifstream in(ReplayFiles::file(which).path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A game played with the generated media, recorded into a home of its own.
class RecordedGame : public ::testing::Test
{
protected:
    ~RecordedGame() override { mGenerator.restore(); }

    // The play screen's own loop, frames of 1/60 s (or of the times given in
    // turn), the ship moving and firing as real key events say, in the mode
    // given, until the window is closed after `frames`: the replay it kept.
    struct Outcome
    {
        int frames = 0;
        std::optional<int> reservesLeft;
    };
    std::string play(int frames, PlayMode mode = PlayMode::Normal,
                     std::vector<sf::Time> times = {Frame}, Outcome* outcome = nullptr)
    {
        sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
        TestSession session(window);
        if (mode == PlayMode::Practice)
        {
            // Normal's best is 3; practice asks for 2.
            std::filesystem::create_directories(mHome.dataFolder());
            std::ofstream(mHome.dataFolder() / "best-level") << "3\n";
            std::ostringstream problems;
            session.bestLevel().load(problems);
        }
        SettingValues values = session.context().preferences.values();
        values.mode = mode;
        values.practiceLevel = 2;
        session.context().adjustments.change(values);
        PlayScreen game(session);
        const struct
        {
            int frame;
            sf::Keyboard::Key key;
            bool pressed;
        } script[] = {{5, sf::Keyboard::Left, true},
                      {40, sf::Keyboard::Left, false},
                      {41, sf::Keyboard::Up, true},
                      {80, sf::Keyboard::Right, true},
                      {150, sf::Keyboard::Right, false}};
        const int played = game.runFrames(
            [&](int frame)
            {
                for (const auto& step : script)
                    if (step.frame == frame)
                        XWindowEvents::sendKey(window, step.key, step.pressed);
                if (mSlowedAt == frame)
                {
                    values.gameSpeed = 60;
                    session.context().adjustments.change(values);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                return times[static_cast<std::size_t>(frame) % times.size()];
            },
            frames);
        if (outcome)
            *outcome = {played, game.reserves().left()};
        return contentsOf(ReplayFiles::Kept::Last);
    }

    ReplayGame::Verdict check(std::string bytes)
    {
        std::string fault;
        auto replay = ReplayReader::open(std::move(bytes), fault);
        EXPECT_TRUE(replay) << fault;
        if (!replay)
            return {};
        sf::RenderWindow window;
        TestSession session(window);
        SettingValues values = session.context().preferences.values();
        values.mode = PlayMode::Normal;
        session.context().adjustments.change(values);
        return ReplayGame(session, std::move(*replay)).check();
    }

    // The frame from which the game is played at 60 %, as the options over a
    // paused game may choose.
    std::optional<int> mSlowedAt;
    SharedState::Restorer mRestoresSharedState;
    RandomState mGenerator = RandomState::current();
    ScopedXdgHome mHome;
    ScopedWorkingDirectory mInMediaFolder{TestFolders::withMedia()};
    ConsoleCapture mConsole;
};
} // namespace

TEST_F(RecordedGame, PlaysAgainFrameForFrameAndAFrameWhoseTimeWasEditedIsNamed)
{
    std::srand(11);
    // Slowed mid-game, and watched at full speed: the recorded speed holds.
    mSlowedAt = 120;
    const std::string recorded = play(300);
    const ReplayGame::Verdict same = check(recorded);
    EXPECT_EQ(same.frames, 300u);
    EXPECT_FALSE(same.firstDiffering) << "frame " << *same.firstDiffering;

    // Frame 250, four seconds in, with enemies on the field, one microsecond
    // longer: its time is the first byte after the frames before it.
    std::string fault;
    auto replay = ReplayReader::open(recorded, fault);
    ReplayWriter before(replay->header());
    Replay::Frame frame;
    while (replay->next(frame) && replay->framesRead() < 250)
        before.add(frame);
    std::string edited = recorded;
    edited[before.bytes().size()] ^= 0x04;
    const ReplayGame::Verdict differing = check(edited);
    EXPECT_EQ(differing.firstDiffering, 250u);
}

// The generator and the ships' shared values are the player's again once a
// replay has been played, whatever it started from.
TEST_F(RecordedGame, AReplayLeavesTheRunAsItFoundIt)
{
    std::srand(12);
    const std::string recorded = play(20);
    Player::sFireRate = 4.f;
    const RandomState now = RandomState::current();
    check(recorded);
    EXPECT_EQ(RandomState::current(), now);
    EXPECT_EQ(Player::sFireRate, 4.f);
}

TEST_F(RecordedGame, TheBestReplayIsTheGameThatSetTheRecord)
{
    const std::string first = play(20);
    EXPECT_EQ(contentsOf(ReplayFiles::Kept::Best), first) << "the first game sets the record";
    const std::string second = play(25);
    EXPECT_NE(second, first);
    EXPECT_EQ(contentsOf(ReplayFiles::Kept::Best), first) << "level 1 again beats nothing";
}

// A Relaxed game and a practice one play again by their own rules, whatever
// mode is chosen when they are watched: the reserves, a ship that comes back
// hearing the keys held, enemies firing by a chance scaled by frames of
// uneven times, and practice's start level.
class ModeReplay : public RecordedGame, public ::testing::WithParamInterface<PlayMode>
{
};

TEST_P(ModeReplay, PlaysAgainByTheRecordedModeFromItsStartLevel)
{
    std::srand(13);
    Outcome played;
    const std::vector<sf::Time> uneven{sf::milliseconds(9), sf::milliseconds(31),
                                       sf::milliseconds(17)};
    // Relaxed's reserves run out before; practice's never do.
    const int frames = GetParam() == PlayMode::Relaxed ? 2400 : 900;
    const std::string recorded = play(frames, GetParam(), uneven, &played);
    std::string fault;
    const auto replay = ReplayReader::open(recorded, fault);
    ASSERT_TRUE(replay) << fault;
    EXPECT_EQ(replay->header().mode, GetParam());
    EXPECT_EQ(replay->header().startLevel, GetParam() == PlayMode::Practice ? 2 : 1);
    if (GetParam() == PlayMode::Relaxed)
    {
        EXPECT_LT(played.reservesLeft, PlayRules::RelaxedReserves)
            << "a ship must come back for the replay to show it does";
    }

    const auto records = [this]
    {
        std::string kept;
        for (const char* name : {"best-level", "best-level-relaxed"})
        {
            std::ifstream in(mHome.dataFolder() / name);
            kept += std::string(std::istreambuf_iterator<char>(in), {}) + '|';
        }
        return kept;
    };
    const std::string before = records();
    const ReplayGame::Verdict same = check(recorded);
    EXPECT_EQ(same.frames, static_cast<std::size_t>(played.frames));
    EXPECT_FALSE(same.firstDiffering) << "frame " << *same.firstDiffering;
    EXPECT_EQ(records(), before) << "a replay sets no best level";
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeReplay,
                         ::testing::Values(PlayMode::Relaxed, PlayMode::Practice),
                         [](const auto& mode)
                         { return std::string(PlayRules::nameOf(mode.param)); });
