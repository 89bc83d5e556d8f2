#include "gameplay/Command.hpp"
#include "support/EventPump.hpp"
#include "support/FakeFocus.hpp"
#include "support/FakeJoystick.hpp"
#include "support/SharedState.hpp"
#include "support/TestSession.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderWindow.hpp>

class KeyRecording : public ::testing::Test
{
protected:
    void TearDown() override
    {
        FakeFocus::set(true);
        FakeJoystick::unplugAll();
    }

    // Sends a key event, then waits until the events sent before it have been
    // polled: X delivers in order, and Right's press is the last one sent.
    void send(sf::Keyboard::Key key, bool pressed)
    {
        XWindowEvents::sendKey(mWindow, key, pressed);
        settle();
    }
    void settle()
    {
        mCommand.recordKey(sf::Keyboard::Right, false);
        XWindowEvents::sendKey(mWindow, sf::Keyboard::Right, true);
        ASSERT_TRUE(
            pumpUntil([&] { mCommand.pollEvents(); }, [&] { return mCommand.isPressed(); }));
    }

    SharedState::Restorer mRestoresSharedState;
    sf::RenderWindow mWindow{sf::VideoMode(200, 200), "Vantorix test"};
    TestSession mSession{mWindow};
    Command mCommand{mSession.events()};
};

TEST_F(KeyRecording, BeforeAnyArrowNothingIsReported)
{
    const sf::Keyboard::Key key = mCommand.getKey();
    EXPECT_NE(key, sf::Keyboard::Left);
    EXPECT_NE(key, sf::Keyboard::Right);
    EXPECT_NE(key, sf::Keyboard::Up);
    EXPECT_FALSE(mCommand.isPressed());
}

TEST_F(KeyRecording, OnlyTheThreeArrowsAndSpaceAsUpAreRecorded)
{
    struct Case
    {
        sf::Keyboard::Key key;
        sf::Keyboard::Key recordedAs; // Unknown: not recorded
    };
    const Case cases[] = {
        {sf::Keyboard::Left, sf::Keyboard::Left},     {sf::Keyboard::Right, sf::Keyboard::Right},
        {sf::Keyboard::Up, sf::Keyboard::Up},         {sf::Keyboard::Space, sf::Keyboard::Up},
        {sf::Keyboard::Down, sf::Keyboard::Unknown},  {sf::Keyboard::A, sf::Keyboard::Unknown},
        {sf::Keyboard::Escape, sf::Keyboard::Unknown}};
    for (const Case& c : cases)
    {
        mCommand.recordKey(sf::Keyboard::Right, false);
        mCommand.recordKey(c.key, true);
        const bool recorded = c.recordedAs != sf::Keyboard::Unknown;
        EXPECT_EQ(mCommand.getKey(), recorded ? c.recordedAs : sf::Keyboard::Right) << c.key;
        EXPECT_EQ(mCommand.isPressed(), recorded) << c.key;
    }
}

TEST_F(KeyRecording, TheLastArrowEventOfAFrameWins)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, false);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Right, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::A, true);

    ASSERT_TRUE(pumpUntil([&] { mCommand.pollEvents(); },
                          [&] { return mCommand.getKey() == sf::Keyboard::Right; }));
    mCommand.pollEvents();
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Right);
    EXPECT_TRUE(mCommand.isPressed());
}

TEST_F(KeyRecording, AReleaseIsRecordedAsNotPressed)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, false);
    ASSERT_TRUE(
        pumpUntil([&] { mCommand.pollEvents(); },
                  [&] { return mCommand.getKey() == sf::Keyboard::Up && !mCommand.isPressed(); }));
}

TEST_F(KeyRecording, ACloseRequestClosesTheWindowAndStopsTheApplication)
{
    ASSERT_TRUE(Command::isRunning());
    XWindowEvents::requestClose(mWindow);
    ASSERT_TRUE(pumpUntil([&] { mCommand.pollEvents(); }, [&] { return !mWindow.isOpen(); }));
    EXPECT_FALSE(Command::isRunning());
    mCommand.pollEvents(); // a closed window yields nothing more
}

// A held key repeats its press: each key counts once until it is let go.
TEST_F(KeyRecording, PauseKeysAskForAPauseAndThenToGoOn)
{
    struct Step
    {
        sf::Keyboard::Key key;
        bool pressed;
        bool pauseAsked;
    };
    const Step steps[] = {
        {sf::Keyboard::P, true, true},        {sf::Keyboard::P, true, true},
        {sf::Keyboard::P, false, true},       {sf::Keyboard::Escape, true, false},
        {sf::Keyboard::Escape, false, false}, {sf::Keyboard::Pause, true, true},
        {sf::Keyboard::Pause, true, true},    {sf::Keyboard::Pause, false, true},
        {sf::Keyboard::P, true, false},
    };
    EXPECT_FALSE(mCommand.isPauseAsked());
    for (const Step& step : steps)
    {
        send(step.key, step.pressed);
        EXPECT_EQ(mCommand.isPauseAsked(), step.pauseAsked)
            << step.key << (step.pressed ? " pressed" : " released");
        EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Right) << "pause keys are not recorded";
    }
}

// A key let go while another window has the keyboard sends no release.
TEST_F(KeyRecording, LosingTheFocusAsksForAPauseAndLetsTheLastKeyGo)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    ASSERT_TRUE(pumpUntil([&] { mCommand.pollEvents(); }, [&] { return mCommand.isPressed(); }));
    FakeFocus::set(false);
    XWindowEvents::sendFocusOut(mWindow);
    ASSERT_TRUE(pumpUntil([&] { mCommand.pollEvents(); }, [&] { return mCommand.isPauseAsked(); }));
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Left);
    EXPECT_FALSE(mCommand.isPressed());

    FakeFocus::set(true);
    settle();
    EXPECT_TRUE(mCommand.isPauseAsked()) << "getting the focus back does not resume";
}

// A window made or made again may lose the focus and get it back at once.
TEST_F(KeyRecording, AFocusLossThatHasPassedAsksNothing)
{
    XWindowEvents::sendFocusOut(mWindow);
    settle();
    EXPECT_FALSE(mCommand.isPauseAsked());
}

TEST_F(KeyRecording, AGamepadSpeaksAsTheKeysItStandsFor)
{
    FakeJoystick::plugIn(3);
    mCommand.pollEvents(); // the first reading: nothing held
    FakeJoystick::lean(3, sf::Joystick::X, -100.f);
    FakeJoystick::press(3, Gamepad::StartButton);
    mCommand.pollEvents();
    EXPECT_TRUE(mCommand.isPauseAsked());
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Left);
    EXPECT_TRUE(mCommand.isPressed());

    FakeJoystick::unplug(3);
    mCommand.pollEvents();
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Left);
    EXPECT_FALSE(mCommand.isPressed()) << "a pad that went away lets its keys go";
    EXPECT_TRUE(mCommand.isPauseAsked());
}
