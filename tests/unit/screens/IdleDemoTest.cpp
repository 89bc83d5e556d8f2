#include "config/Preferences.hpp"
#include "gameplay/Command.hpp"
#include "gameplay/PlayState.hpp"
#include "replay/ReplayWriter.hpp"
#include "screens/Menu.hpp"
#include "session/Adjustments.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/FakeClock.hpp"
#include "support/FakePointer.hpp"
#include "support/FrameScript.hpp"
#include "support/ScreenTestMedia.hpp"
#include "support/SharedState.hpp"
#include "support/TestSession.hpp"
#include "support/WorkingDirectory.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace
{
const sf::Time DemoFrame = sf::microseconds(16667);
constexpr int DemoFrames = 600;

// The title menu, with the test's own pictures and one demo of ten seconds.
class IdleMenu : public ::testing::Test
{
protected:
    IdleMenu()
    {
        std::filesystem::create_directory_symlink(ScreenTestMedia::folder() / "Media",
                                                  mFolder / "Media");
        std::filesystem::create_directory(mFolder / "Demos");
        ReplayWriter demo(PlayState::header());
        for (int frame = 1; frame <= DemoFrames; ++frame)
        {
            Replay::Frame each;
            each.micros = DemoFrame.asMicroseconds();
            if (frame == DemoFrames)
                each.ending = Replay::Ending::Left;
            demo.add(each);
        }
        std::ofstream(mFolder / "Demos" / "demo.vxr", std::ios::binary) << demo.bytes();
    }
    ~IdleMenu() override { FakePointer::onRead({}); }

    struct Seen
    {
        int menuFramesBeforeTheDemo = 0;
        int demoFrames = 0;
    };

    // The menu left alone for a minute, a second a frame; a demo that starts
    // is sent Escape, the menu's own key to quit, in its fifth frame.
    Seen idleMinute(bool demoChosen)
    {
        SettingValues values = mSession.context().preferences.values();
        values.demoWhenIdle = demoChosen;
        mSession.context().adjustments.change(values);
        Menu menu(mSession);
        Seen seen;
        int menuFrames = 0;
        // The demo is the play screen, which loads its pictures and reads no pointer.
        const auto demoLoaded = [this]
        { return mConsole.text().find("playerShip.png") != std::string::npos; };
        bool demoOver = false;
        FakePointer::onRead(
            [&]
            {
                demoOver = demoLoaded();
                FakeClock::advanceSeconds(1.f);
                if (++menuFrames == 55)
                    mWindow.close();
            });
        FrameScript::AfterEachFrame script(
            [&](sf::Window& window)
            {
                if (!demoLoaded() || demoOver)
                    return;
                if (++seen.demoFrames == 1)
                    seen.menuFramesBeforeTheDemo = menuFrames;
                // Frames are never due in the future: no frame waits.
                FakeClock::advance(DemoFrame * (seen.demoFrames == 1 ? 2.f : 1.f));
                if (seen.demoFrames == 5)
                    XWindowEvents::sendKey(window, sf::Keyboard::Escape, true);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            });
        menu.run();
        return seen;
    }

    SharedState::Restorer mRestoresSharedState;
    TemporaryFolder mFolder{"idle-demo"};
    ScopedWorkingDirectory mInFolder{mFolder};
    sf::RenderWindow mWindow{sf::VideoMode(800, 800, 32), "Vantorix test"};
    TestSession mSession{mWindow};
    ConsoleCapture mConsole;
};
} // namespace

TEST_F(IdleMenu, WaitsForThePlayerUnlessTheDemoIsChosen)
{
    EXPECT_FALSE(SettingValues().demoWhenIdle) << "off by default";
    EXPECT_EQ(idleMinute(false).demoFrames, 0);
}

TEST_F(IdleMenu, PlaysTheDemoAfterThirtySecondsAndAnyKeyEndsItWithoutReachingTheMenu)
{
    const Seen seen = idleMinute(true);
    EXPECT_GE(seen.menuFramesBeforeTheDemo, 30);
    EXPECT_LE(seen.menuFramesBeforeTheDemo, 32);
    EXPECT_GE(seen.demoFrames, 5);
    EXPECT_LT(seen.demoFrames, DemoFrames / 2) << "the key ended the demo at once";
    EXPECT_TRUE(Command::isRunning()) << "the key that ended the demo did not quit the menu";
}
