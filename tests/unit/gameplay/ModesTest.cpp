#include "actors/Boss.hpp"
#include "actors/Enemy.hpp"
#include "actors/Player.hpp"
#include "app/Level.hpp"
#include "config/Preferences.hpp"
#include "gameplay/Category.hpp"
#include "menus/OptionsMenu.hpp"
#include "presentation/ScoreBoard.hpp"
#include "session/Adjustments.hpp"
#include "support/PlayScreen.hpp"
#include "support/SceneInspection.hpp"
#include "support/ScopedXdgHome.hpp"
#include "support/SharedState.hpp"
#include "support/TestNodes.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

using SceneInspection::childOf;

// The best level in Normal is 3, and practice is asked to start at 2.
class ModeGame : public ::testing::Test
{
protected:
    ModeGame()
    {
        std::filesystem::create_directories(mHome.dataFolder());
        std::ofstream(mHome.dataFolder() / "best-level") << "3\n";
        std::ostringstream problems;
        mSession.bestLevel().load(problems);
    }
    void begin(PlayMode mode)
    {
        SettingValues values = mSession.context().preferences.values();
        values.mode = mode;
        values.practiceLevel = 2;
        mSession.context().adjustments.change(values);
        mGame = std::make_unique<PlayScreen>(mSession);
    }
    SceneNode& root() { return mGame->sceneGraph(); }
    SceneNode& shipLayer() { return childOf(root(), 1); }
    // Boxes of the category over the middle of the node.
    void lay(const SceneNode& node, int category, unsigned int count = 1)
    {
        const sf::FloatRect box = node.getBoundingRect();
        for (unsigned int i = 0; i < count; ++i)
            root().attachChild(std::make_unique<TestNodes::BoxNode>(
                sf::FloatRect(box.left + box.width / 2, box.top + box.height / 2, 4, 4), category));
    }
    void play(float seconds)
    {
        for (float done = 0.f; done < seconds - 0.05f; done += 0.1f)
            mGame->update(sf::seconds(0.1f));
    }

    SharedState::Restorer mRestoresSharedState;
    ScopedXdgHome mHome; // before the session, whose records live there
    ScopedWorkingDirectory mInMedia{TestFolders::withMedia()};
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
    std::unique_ptr<PlayScreen> mGame;
};

enum class Event
{
    LastShipShot,
    EnemyAtTheWall,
    BossKilled,
};

struct ModeCase
{
    const char* name;
    PlayMode mode;
    Event event;
    bool endsGame;
    std::optional<int> reservesLeft; // none: they never run out
    std::optional<PlayMode> recordOf;
    int startLevel;
};

class ModeEvent : public ModeGame, public ::testing::WithParamInterface<ModeCase>
{
};

// The event comes in the first frame; a game that goes on is then left, which
// counts for the record as a loss does.
TEST_P(ModeEvent, EndsTheGameOrTakesAReserveAndCountsForTheModesOwnRecord)
{
    const ModeCase& c = GetParam();
    begin(c.mode);
    if (c.event == Event::LastShipShot)
        lay(childOf(shipLayer(), 0), Category::EnemyMissile);
    if (c.event == Event::EnemyAtTheWall)
        root().attachChild(std::make_unique<Enemy>(
            &mWindow, &mGame->resources(),
            sf::Vector2f(10.f, childOf(root(), 2).getBoundingRect().top - 20.f), 2,
            sf::Vector2f(0.f, 0.f)));
    if (c.event == Event::BossKilled)
    {
        auto boss = std::make_unique<Boss>(&mWindow, &mGame->resources(),
                                           sf::Vector2f(300.f, 150.f), 3, sf::Vector2f(0.f, 0.f));
        lay(*boss, Category::PlayerMissile, boss->getHitPoints());
        root().attachChild(std::move(boss));
    }
    const auto& board = dynamic_cast<const ScoreBoard&>(childOf(root(), 3));
    bool ended = false;
    std::optional<int> reservesLeft;
    mGame->runFrames(
        [&](int)
        {
            ended = !mGame->isPlaying();
            reservesLeft = mGame->reserves().left();
            EXPECT_EQ(board.getLabel().getString(), "Level " + std::to_string(c.startLevel));
            mGame->endPlay();
            return sf::milliseconds(16);
        });

    EXPECT_EQ(ended, c.endsGame);
    EXPECT_EQ(reservesLeft, c.reservesLeft);
    EXPECT_EQ(Level().isBossDefeated(), c.event == Event::BossKilled);
    const ScreenContext& context = mSession;
    EXPECT_EQ(context.bestLevel.lastGame().has_value(), c.recordOf == PlayMode::Normal);
    EXPECT_EQ(context.relaxedBestLevel.lastGame().has_value(), c.recordOf == PlayMode::Relaxed);
    EXPECT_EQ(std::filesystem::exists(mHome.dataFolder() / "best-level-relaxed"),
              c.recordOf == PlayMode::Relaxed);
}

// clang-format off
const ModeCase ModeCases[] = {
    // name                    mode                event                  ends   reserves      record              level
    {"NormalLastShipShot",    PlayMode::Normal,   Event::LastShipShot,   true,  0,            PlayMode::Normal,   1},
    {"NormalEnemyAtTheWall",  PlayMode::Normal,   Event::EnemyAtTheWall, true,  0,            PlayMode::Normal,   1},
    {"NormalBossKilled",      PlayMode::Normal,   Event::BossKilled,     false, 0,            PlayMode::Normal,   1},
    {"RelaxedLastShipShot",   PlayMode::Relaxed,  Event::LastShipShot,   false, 2,            PlayMode::Relaxed,  1},
    {"RelaxedEnemyAtTheWall", PlayMode::Relaxed,  Event::EnemyAtTheWall, false, 2,            PlayMode::Relaxed,  1},
    {"RelaxedBossKilled",     PlayMode::Relaxed,  Event::BossKilled,     false, 3,            PlayMode::Relaxed,  1},
    {"PracticeLastShipShot",  PlayMode::Practice, Event::LastShipShot,   false, std::nullopt, std::nullopt,       2},
    {"PracticeEnemyAtTheWall",PlayMode::Practice, Event::EnemyAtTheWall, false, std::nullopt, std::nullopt,       2},
    {"PracticeBossKilled",    PlayMode::Practice, Event::BossKilled,     false, std::nullopt, std::nullopt,       2},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Modes, ModeEvent, ::testing::ValuesIn(ModeCases),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

// The lost ship's bonuses go with it; after the burst one comes back at the
// bottom centre, which no shot touches for two seconds.
TEST_F(ModeGame, ARelaxedShipComesBackUntouchableForAWhile)
{
    begin(PlayMode::Relaxed);
    const sf::Vector2f start = childOf(shipLayer(), 0).getSpritePosition();
    Player::sFireRate = 3.f;
    lay(childOf(shipLayer(), 0), Category::EnemyMissile);
    play(0.9f);
    EXPECT_EQ(Player::sFireRate, 2.f);
    EXPECT_EQ(SceneInspection::childrenOf(shipLayer()).size(), 0u) << "not before the burst";
    play(0.2f);
    ASSERT_EQ(SceneInspection::childrenOf(shipLayer()).size(), 1u);
    const SceneNode& back = childOf(shipLayer(), 0);
    EXPECT_EQ(back.getSpritePosition(), start);
    lay(back, Category::EnemyMissile);
    play(1.8f);
    EXPECT_FALSE(back.isDestroyed());
    play(0.3f);
    EXPECT_EQ(SceneInspection::childrenOf(shipLayer()).size(), 0u) << "touched after two seconds";
    EXPECT_EQ(mGame->reserves().left(), 1);
    EXPECT_TRUE(mGame->isPlaying());
}

// Between games the mode turns round the three, the practice level round the
// levels reached in Normal; over a paused game both are shown and held.
TEST_F(ModeGame, TheModeChangesBetweenGamesAndPracticeWithinTheLevelsReached)
{
    using C = MenuControl;
    for (const bool overGame : {true, false})
    {
        OptionsMenu options(mSession, nullptr, overGame);
        // Past the first page's rows to the mode's page, the first entry after them.
        std::vector<C> controls(
            static_cast<std::size_t>(std::count_if(
                SettingsTable::rows().begin(), SettingsTable::rows().end(),
                [](const auto& row) { return row.page == SettingsTable::Page::Options; })),
            C::Down);
        controls.insert(controls.end(), {C::Accept, C::Left, C::Down, C::Left});
        for (const C control : controls)
        {
            Input input;
            input.type = Input::Type::Press;
            input.menu = control;
            options.handle(input);
        }
        const SettingValues& chosen = mSession.context().preferences.values();
        EXPECT_EQ(chosen.mode, overGame ? PlayMode::Normal : PlayMode::Practice);
        EXPECT_EQ(chosen.practiceLevel, overGame ? 1 : 3) << "from 1 round to the best";
    }
}
