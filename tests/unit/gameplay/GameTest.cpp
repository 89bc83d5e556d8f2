#include "app/Level.hpp"
#include "config/Preferences.hpp"
#include "gameplay/Category.hpp"
#include "gameplay/Command.hpp"
#include "session/Adjustments.hpp"
#include "support/ActorTestKit.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/NodeInternals.hpp"
#include "support/PlayScreen.hpp"
#include "support/SceneInspection.hpp"
#include "support/SharedState.hpp"
#include "support/TestNodes.hpp"
#include "support/TestSession.hpp"
#include "support/WindowCapture.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace
{
std::vector<SceneNode*> nodesOf(SceneNode& root)
{
    std::vector<SceneNode*> nodes;
    NodeInternals::forEachNode(root, [&](SceneNode& node) { nodes.push_back(&node); });
    return nodes;
}

// A node that keeps what each frame hands the scene.
class FrameRecorder : public SceneNode
{
public:
    std::vector<sf::Time> steps;
    std::vector<std::pair<sf::Keyboard::Key, bool>> inputs;

protected:
    void updateCurrent(sf::Time dt) override { steps.push_back(dt); }
    void handleInputCurrent(sf::Keyboard::Key key, bool pressed) override
    {
        inputs.emplace_back(key, pressed);
    }
};

// The X server delivers events a moment after they are sent: frames that
// wait for one leave it that moment.
const auto XRoundTrip = std::chrono::milliseconds(2);
} // namespace

// The play screen without media, played through its own loop.
class PlayScreenRun : public ::testing::Test
{
protected:
    FrameRecorder& addRecorder()
    {
        auto recorder = std::make_unique<FrameRecorder>();
        FrameRecorder& added = *recorder;
        mGame.sceneGraph().attachChild(std::move(recorder));
        return added;
    }

    SharedState::Restorer mRestoresSharedState;
    TemporaryFolder mEmptyFolder;
    ScopedWorkingDirectory mInEmptyFolder{mEmptyFolder};
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
    ConsoleCapture mConsole;
    PlayScreen mGame{mSession};
};

TEST_F(PlayScreenRun, WithoutMediaEveryLoadFailsInCatalogueOrderAndPlayGoesOn)
{
    const std::vector<std::string> expected = {
        "Media/Textures/playerShip.png failed to load",
        "Media/Textures/EnemyA.png failed to load",
        "Media/Textures/EnemyB.png failed to load",
        "Media/Textures/EnemyC.png failed to load",
        "Media/Textures/BossA.png failed to load",
        "Media/Textures/bolt.png failed to load",
        "Media/Textures/AddShip.png failed to load",
        "Media/Textures/BulletSpeed.png failed to load",
        "Media/Textures/beam.png failed to load",
        "Media/Textures/galaxy_X.png failed to load",
        "Media/Textures/Wall.png failed to load",
        "Media/SoundBuffers/laser.wav failed to load",
        "Media/SoundBuffers/explosion.wav failed to load",
        "Media/SoundBuffers/powerUp.wav failed to load",
        "Media/Fonts/Digital_tech.otf failed to load",
    };
    EXPECT_EQ(mConsole.lines(), expected);

    const int played = mGame.runFrames(
        [&](int frame)
        {
            if (frame == 10)
                mGame.endPlay();
            return sf::seconds(0.016f);
        });
    EXPECT_EQ(played, 10) << "play ended by itself without the pictures and sounds";
}

// Each frame moves the scene by the time since the frame before, not since
// play began.
TEST_F(PlayScreenRun, EachFrameHandsTheSceneTheTimeSinceTheFrameBefore)
{
    FrameRecorder& recorder = addRecorder();
    const std::vector<sf::Time> between = {sf::milliseconds(10), sf::milliseconds(30),
                                           sf::Time::Zero, sf::milliseconds(20)};
    mGame.runFrames(
        [&](int frame)
        {
            if (frame > static_cast<int>(between.size()))
            {
                mGame.endPlay();
                return sf::Time::Zero;
            }
            return between[static_cast<std::size_t>(frame - 1)];
        });

    const std::vector<sf::Time> expected = {sf::Time::Zero, sf::milliseconds(10),
                                            sf::milliseconds(30), sf::Time::Zero,
                                            sf::milliseconds(20)};
    EXPECT_EQ(recorder.steps, expected);
}

// Time spent paused is not handed to the scene: the frame that ends the pause
// hands it only the time of the frame in which the pause began (10 ms, which
// the game's clock counted), and the next one counts from the end of it.
TEST_F(PlayScreenRun, AfterAPauseTheFirstFrameAdvancesOnlyByItsOwnTime)
{
    FrameRecorder& recorder = addRecorder();
    enum class Stage
    {
        Playing,
        Pausing,
        Resuming,
        Resumed,
    } stage = Stage::Playing;
    std::size_t stepsBeforeThePause = 0;
    auto tap = [&](sf::Keyboard::Key key)
    {
        XWindowEvents::sendKey(mWindow, key, true);
        XWindowEvents::sendKey(mWindow, key, false);
    };
    mGame.runFrames(
        [&](int)
        {
            std::this_thread::sleep_for(XRoundTrip);
            switch (stage)
            {
            case Stage::Playing:
                tap(sf::Keyboard::P);
                stage = Stage::Pausing;
                return sf::milliseconds(10);
            case Stage::Pausing:
                if (!mGame.isPaused())
                    return sf::milliseconds(10);
                stepsBeforeThePause = recorder.steps.size();
                tap(sf::Keyboard::Escape);
                stage = Stage::Resuming;
                return sf::seconds(60.f);
            case Stage::Resuming:
                if (mGame.isPaused())
                    return sf::seconds(1.f);
                stage = Stage::Resumed;
                return sf::milliseconds(20);
            case Stage::Resumed:
                break;
            }
            mGame.endPlay();
            return sf::Time::Zero;
        },
        2000);

    ASSERT_EQ(stage, Stage::Resumed);
    const std::vector<sf::Time> afterThePause(recorder.steps.begin() +
                                                  static_cast<std::ptrdiff_t>(stepsBeforeThePause),
                                              recorder.steps.end());
    EXPECT_EQ(afterThePause, (std::vector<sf::Time>{sf::milliseconds(10), sf::milliseconds(20)}));
}

// The controller keeps the arrow events; each frame hands one, the key and
// whether it is down, to every node.
TEST_F(PlayScreenRun, ArrowKeyGoingDownAndUpReachesTheScene)
{
    FrameRecorder& recorder = addRecorder();
    const std::pair<sf::Keyboard::Key, bool> down(sf::Keyboard::Left, true);
    const std::pair<sf::Keyboard::Key, bool> up(sf::Keyboard::Left, false);
    bool sawDown = false;
    bool sawUp = false;
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    mGame.runFrames(
        [&](int)
        {
            // The input walk runs in every frame, with or without a key event.
            if (!sawDown && recorder.inputs.back() == down)
            {
                sawDown = true;
                XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, false);
            }
            if (sawDown && recorder.inputs.back() == up)
            {
                sawUp = true;
                mGame.endPlay();
            }
            std::this_thread::sleep_for(XRoundTrip);
            return sf::Time::Zero;
        },
        2000);
    EXPECT_TRUE(sawDown) << "the key going down never reached the scene";
    EXPECT_TRUE(sawUp) << "the key going up never reached the scene";
}

TEST_F(PlayScreenRun, OnAClosedWindowReturnsAtOnceAndResetsTheLevel)
{
    Level::nextLevel();
    Level::nextLevel();
    mWindow.close();

    EXPECT_EQ(mGame.runFrames([](int) { return sf::Time::Zero; }), 0);

    EXPECT_EQ(Level::getLevel(), 1);
    EXPECT_FALSE(mSession.lastGame()) << "no game was played";
}

TEST_F(PlayScreenRun, ACloseRequestEndsPlayResetsTheLevelAndStopsTheApp)
{
    Level::nextLevel();
    XWindowEvents::requestClose(mWindow);

    mGame.runFrames(
        [](int)
        {
            std::this_thread::sleep_for(XRoundTrip);
            return sf::milliseconds(10);
        },
        2000);

    EXPECT_FALSE(mWindow.isOpen());
    EXPECT_FALSE(Command::isRunning());
    EXPECT_EQ(Level::getLevel(), 1);
    // The level the game reached is counted before it goes back to 1.
    ASSERT_TRUE(mSession.lastGame());
    EXPECT_EQ(mSession.lastGame()->reached, 2);
    EXPECT_EQ(mSession.bestLevel().best(), 2);
}

// The window is made again for fullscreen: play goes on with the very same
// nodes, and their pictures are drawn into the new window, scaled.
TEST_F(PlayScreenRun, AFullscreenSwitchDuringPlayKeepsEveryNodeAndItsPicture)
{
    ScopedWorkingDirectory inMedia(TestFolders::withMedia());
    PlayScreen game(mSession);
    Level::nextLevel();
    SceneInspection::childOf(SceneInspection::childOf(game.sceneGraph(), 0), 0).destroy();
    SceneNode& ship = SceneInspection::childOf(SceneInspection::childOf(game.sceneGraph(), 1), 0);
    std::vector<SceneNode*> before;
    sf::FloatRect shipBounds;
    bool switched = false;
    game.runFrames(
        [&](int frame)
        {
            if (frame == 1)
                return sf::seconds(3.5f); // the background leaves, the first enemy comes
            if (frame == 2)
            {
                before = nodesOf(game.sceneGraph());
                shipBounds = ship.getBoundingRect();
                XWindowEvents::sendKey(mWindow, sf::Keyboard::F11, true);
            }
            else if (mSession.isFullscreen())
            {
                switched = true;
                EXPECT_EQ(nodesOf(game.sceneGraph()), before);
                EXPECT_EQ(ship.getBoundingRect(), shipBounds);
                EXPECT_TRUE(game.isPlaying());
                EXPECT_EQ(Level::getLevel(), 2);
                game.endPlay();
            }
            std::this_thread::sleep_for(XRoundTrip);
            return sf::Time::Zero;
        },
        2000);
    ASSERT_TRUE(switched);

    mWindow.clear(sf::Color::Black);
    game.sceneGraph().draw(mWindow);
    const sf::Image frame = WindowCapture::grab(mWindow);
    const sf::Vector2i topLeft = mWindow.mapCoordsToPixel({shipBounds.left, shipBounds.top});
    const sf::Vector2i bottomRight = mWindow.mapCoordsToPixel(
        {shipBounds.left + shipBounds.width, shipBounds.top + shipBounds.height});
    ASSERT_GT(bottomRight.x - topLeft.x, shipBounds.width) << "the field is shown larger";
    // The ship's own picture, not a blank quad: many colours where it is drawn.
    std::set<sf::Uint32> colours;
    for (int y = topLeft.y; y < bottomRight.y; ++y)
        for (int x = topLeft.x; x < bottomRight.x; ++x)
            colours.insert(
                frame.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)).toInteger());
    EXPECT_GT(colours.size(), 8u);
}

// The last ship shot down ends play's rules in that frame, as ever, and the screen
// with it. Only when the player chose it does the field then hold still for about
// 0.7 s of the game's time, loading and printing nothing, unless the window is
// closed meanwhile.
TEST_F(PlayScreenRun, ALostGameHoldsItsFieldStillUnderTheBurstOnlyWhenChosen)
{
    ScopedWorkingDirectory inMedia(TestFolders::withMedia());
    const SharedState::Values atStart = SharedState::current();
    const struct
    {
        bool holding, closeDuringTheHold;
        int fewestHeld, mostHeld; // frames of 10 ms
    } cases[] = {{false, false, 0, 0}, {true, false, 60, 90}, {true, true, 1, 29}};
    for (const auto& c : cases)
    {
        sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
        TestSession session(window);
        SettingValues chosen = session.context().preferences.values();
        chosen.lossHold = c.holding;
        session.context().adjustments.change(chosen);
        PlayScreen game(session);
        FrameRecorder& recorder = *attachTo(game.sceneGraph(), std::make_unique<FrameRecorder>());
        const sf::FloatRect ship =
            SceneInspection::childOf(SceneInspection::childOf(game.sceneGraph(), 1), 0)
                .getBoundingRect();
        game.sceneGraph().attachChild(std::make_unique<TestNodes::BoxNode>(
            sf::FloatRect(ship.left + 30.f, ship.top + 8.f, 4.f, 4.f), Category::EnemyMissile));
        const std::size_t lines = mConsole.lines().size();
        int heldFrames = 0;
        // The burst's light, frame by frame: it plays out while the field holds.
        const auto light = [&]
        {
            const sf::VertexArray vertices = game.effects().light();
            int sum = 0;
            for (std::size_t i = 0; i < vertices.getVertexCount(); ++i)
                sum += vertices[i].color.a;
            return sum;
        };
        int firstLight = 0;
        int lastLight = 0;
        game.runFrames(
            [&](int frame)
            {
                if (!game.isPlaying() && frame > 1)
                    (heldFrames == 0 ? firstLight : lastLight) = light();
                if (!game.isPlaying() && frame > 1 && ++heldFrames == 1)
                {
                    EXPECT_TRUE(session.lastGame()) << "counted when play's rules ended";
                }
                if (c.closeDuringTheHold && heldFrames == 2)
                    XWindowEvents::requestClose(window);
                if (c.closeDuringTheHold)
                    std::this_thread::sleep_for(XRoundTrip);
                return sf::milliseconds(10);
            },
            500);
        EXPECT_EQ(recorder.steps.size(), 1u) << "nothing moved after the losing frame";
        EXPECT_EQ(mConsole.lines().size(), lines);
        EXPECT_EQ(window.isOpen(), !c.closeDuringTheHold);
        EXPECT_TRUE(heldFrames >= c.fewestHeld && heldFrames <= c.mostHeld) << heldFrames;
        if (heldFrames > 10)
        {
            EXPECT_LT(lastLight, firstLight) << "the burst ages during the hold";
        }
        SharedState::restore(atStart); // the close stopped the application
    }
}
