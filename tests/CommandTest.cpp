#include "gameplay/Command.hpp"
#include "app/Session.hpp"
#include "support/EventPump.hpp"
#include "support/SharedState.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderWindow.hpp>

class KeyRecording : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;
    sf::RenderWindow mWindow{sf::VideoMode(200, 200), "Vantorix test"};
    Session mSession{mWindow};
    Command mCommand{mSession};
};

TEST_F(KeyRecording, BeforeAnyArrowNothingIsReported)
{
    const sf::Keyboard::Key key = mCommand.getKey();
    EXPECT_NE(key, sf::Keyboard::Left);
    EXPECT_NE(key, sf::Keyboard::Right);
    EXPECT_NE(key, sf::Keyboard::Up);
    EXPECT_FALSE(mCommand.isPressed());
}

TEST_F(KeyRecording, OnlyTheThreeArrowsAreRecorded)
{
    struct Case
    {
        sf::Keyboard::Key key;
        bool recorded;
    };
    const Case cases[] = {{sf::Keyboard::Left, true},   {sf::Keyboard::Right, true},
                          {sf::Keyboard::Up, true},     {sf::Keyboard::Down, false},
                          {sf::Keyboard::Space, false}, {sf::Keyboard::A, false},
                          {sf::Keyboard::Escape, false}};
    for (const Case& c : cases)
    {
        mCommand.recordKey(sf::Keyboard::Up, false);
        mCommand.recordKey(c.key, true);
        EXPECT_EQ(mCommand.getKey(), c.recorded ? c.key : sf::Keyboard::Up) << c.key;
        EXPECT_EQ(mCommand.isPressed(), c.recorded) << c.key;
    }
}

TEST_F(KeyRecording, TheLastArrowEventOfAFrameWins)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, false);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Right, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Space, true);

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
