#include "gameplay/Command.hpp"
#include "actors/Player.hpp"
#include "foundation/GameClock.hpp"
#include "support/ActorTestKit.hpp"
#include "support/EventPump.hpp"
#include "support/FakeClock.hpp"
#include "support/FakeFocus.hpp"
#include "support/FakeJoystick.hpp"
#include "support/SharedState.hpp"
#include "support/TestSession.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

// A node that notes the keys the input walk hands it going down.
class Ear : public SceneNode
{
public:
    bool heard(sf::Keyboard::Key key) const
    {
        return std::find(mPressed.begin(), mPressed.end(), key) != mPressed.end();
    }
    sf::Keyboard::Key heardFirst() const
    {
        return mPressed.empty() ? sf::Keyboard::Unknown : mPressed.front();
    }

    // Every change the walk handed over, "L+", "U-" ...: a key repeated in
    // later frames, as the walk hands it, counts once.
    const std::vector<std::string>& changes() const { return mChanges; }

protected:
    void handleInputCurrent(sf::Keyboard::Key key, bool pressed) override
    {
        if (pressed && !heard(key))
            mPressed.push_back(key);
        const std::string change = std::string(1, key == sf::Keyboard::Left    ? 'L'
                                                  : key == sf::Keyboard::Right ? 'R'
                                                                               : 'U') +
                                   (pressed ? '+' : '-');
        if (mChanges.empty() || mChanges.back() != change)
            mChanges.push_back(change);
    }

private:
    std::vector<sf::Keyboard::Key> mPressed;
    std::vector<std::string> mChanges;
};

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
        record(sf::Keyboard::Right, false);
        XWindowEvents::sendKey(mWindow, sf::Keyboard::Right, true);
        ASSERT_TRUE(pumpUntil([&] { frame(); }, [&] { return mCommand.isPressed(); }));
    }

    // A frame's input as the play screen takes it: the events, then the hand-over.
    void frame()
    {
        mCommand.pollEvents();
        mCommand.handOver(mScene);
    }
    void record(sf::Keyboard::Key key, bool pressed)
    {
        mCommand.recordKey(key, pressed);
        mCommand.handOver(mScene);
    }

    // As the play screen meets it: paused, the scene hears the keys let go.
    void loseFocusAndGoOn(Command& command, SceneNode& scene)
    {
        FakeFocus::set(false);
        XWindowEvents::sendFocusOut(mWindow);
        ASSERT_TRUE(
            pumpUntil([&] { command.pollEvents(); }, [&] { return command.isPauseAsked(); }));
        command.handOverKeysLetGo(scene);
        FakeFocus::set(true);
        XWindowEvents::sendKey(mWindow, sf::Keyboard::P, true);
        ASSERT_TRUE(
            pumpUntil([&] { command.pollEvents(); }, [&] { return !command.isPauseAsked(); }));
    }

    SharedState::Restorer mRestoresSharedState;
    sf::RenderWindow mWindow{sf::VideoMode(200, 200), "Vantorix test"};
    TestSession mSession{mWindow};
    Command mCommand{mSession.events()};
    SceneNode mScene;
};

TEST_F(KeyRecording, BeforeAnyArrowNothingIsReported)
{
    const sf::Keyboard::Key key = mCommand.getKey();
    EXPECT_NE(key, sf::Keyboard::Left);
    EXPECT_NE(key, sf::Keyboard::Right);
    EXPECT_NE(key, sf::Keyboard::Up);
    EXPECT_FALSE(mCommand.isPressed());
}

// Whichever keys the player bound, the ships hear the keys they know: Left,
// Right, and Up for fire. Keys bound to nothing, the pause keys among them,
// are never recorded.
TEST_F(KeyRecording, BoundKeysAreRecordedAsTheKeysTheShipsKnow)
{
    using Action = KeyBindings::Action;
    KeyBindings chosen;
    chosen.setKeys(Action::Fire, {sf::Keyboard::Z});
    chosen.setKeys(Action::Left, {sf::Keyboard::A});
    struct Case
    {
        const KeyBindings* keys; // none: the defaults
        sf::Keyboard::Key key;
        sf::Keyboard::Key recordedAs; // Unknown: not recorded
    };
    const Case cases[] = {
        {nullptr, sf::Keyboard::Left, sf::Keyboard::Left},
        {nullptr, sf::Keyboard::Right, sf::Keyboard::Right},
        {nullptr, sf::Keyboard::Up, sf::Keyboard::Up},
        {nullptr, sf::Keyboard::Space, sf::Keyboard::Up},
        {nullptr, sf::Keyboard::Down, sf::Keyboard::Unknown},
        {nullptr, sf::Keyboard::A, sf::Keyboard::Unknown},
        {nullptr, sf::Keyboard::Escape, sf::Keyboard::Unknown},
        {&chosen, sf::Keyboard::Z, sf::Keyboard::Up},
        {&chosen, sf::Keyboard::A, sf::Keyboard::Left},
        {&chosen, sf::Keyboard::Up, sf::Keyboard::Unknown},
        {&chosen, sf::Keyboard::Left, sf::Keyboard::Unknown},
    };
    for (const Case& c : cases)
    {
        SettingValues values = mSession.context().preferences.values();
        values.keys = c.keys ? *c.keys : KeyBindings();
        mSession.context().adjustments.change(values);
        Command command(mSession.events());
        Ear ear;
        // Right does the same in both: once the ships hear it, the key before it has been read.
        XWindowEvents::sendKey(mWindow, c.key, true);
        XWindowEvents::sendKey(mWindow, sf::Keyboard::Right, true);
        ASSERT_TRUE(pumpUntil(
            [&]
            {
                command.pollEvents();
                command.handOver(ear);
            },
            [&] { return ear.heard(sf::Keyboard::Right); }));
        const bool recorded = c.recordedAs != sf::Keyboard::Unknown;
        EXPECT_EQ(ear.heardFirst(), recorded ? c.recordedAs : sf::Keyboard::Right) << c.key;
        for (sf::Keyboard::Key key : {c.key, sf::Keyboard::Right})
            XWindowEvents::sendKey(mWindow, key, false);
        if (command.isPauseAsked())
            command.resume();
    }
}

// One a frame, in order: the release of Left is not lost behind Right's press.
TEST_F(KeyRecording, ArrowEventsOfOneFrameReachTheSceneInTurn)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, false);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Right, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::A, true);

    bool leftLetGo = false;
    const auto letGo = [&]
    { return mCommand.getKey() == sf::Keyboard::Left && !mCommand.isPressed(); };
    ASSERT_TRUE(pumpUntil(
        [&]
        {
            frame();
            leftLetGo |= letGo();
        },
        [&] { return mCommand.getKey() == sf::Keyboard::Right; }));
    EXPECT_TRUE(leftLetGo);
    frame();
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Right);
    EXPECT_TRUE(mCommand.isPressed());
}

TEST_F(KeyRecording, AReleaseIsRecordedAsNotPressed)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, false);
    ASSERT_TRUE(
        pumpUntil([&] { frame(); },
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

// A key let go while another window has the keyboard sends no release: every
// play key held then is let go for the scene.
TEST_F(KeyRecording, LosingTheFocusAsksForAPauseAndLetsEveryKeyGo)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    ASSERT_TRUE(
        pumpUntil([&] { frame(); }, [&] { return mCommand.getKey() == sf::Keyboard::Left; }));
    FakeFocus::set(false);
    XWindowEvents::sendFocusOut(mWindow);
    ASSERT_TRUE(pumpUntil([&] { mCommand.pollEvents(); }, [&] { return mCommand.isPauseAsked(); }));
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Left);
    EXPECT_FALSE(mCommand.isPressed());
    Ear ear;
    mCommand.handOverKeysLetGo(ear);
    EXPECT_EQ(ear.changes(), (std::vector<std::string>{"L-", "R-", "U-"}));

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
    frame(); // the first reading: nothing held
    FakeJoystick::lean(3, sf::Joystick::X, -100.f);
    FakeJoystick::press(3, 7); // Start on a pad we do not know
    frame();
    EXPECT_TRUE(mCommand.isPauseAsked());
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Left);
    EXPECT_TRUE(mCommand.isPressed());

    FakeJoystick::unplug(3);
    frame();
    EXPECT_EQ(mCommand.getKey(), sf::Keyboard::Left);
    EXPECT_FALSE(mCommand.isPressed()) << "a pad that went away lets its keys go";
    EXPECT_TRUE(mCommand.isPauseAsked());
}

// More changes in one frame than may wait: the ship hears them in order, some
// of them, but never more than MaxWaiting frames late, and ends as the keys do.
TEST_F(KeyRecording, AFrameOfManyChangesReachesTheSceneBoundedAndInOrder)
{
    const std::vector<std::string> recorded = {"L+", "R+", "U+", "L-", "R-",
                                               "U-", "L+", "R+", "U+"};
    for (const std::string& change : recorded)
        mCommand.recordKey(change[0] == 'L'   ? sf::Keyboard::Left
                           : change[0] == 'R' ? sf::Keyboard::Right
                                              : sf::Keyboard::Up,
                           change[1] == '+');
    Ear ear;
    for (std::size_t frame = 0; frame <= Command::MaxWaiting + 3; ++frame)
        mCommand.handOver(ear);
    const std::vector<std::string>& heard = ear.changes();
    EXPECT_LE(heard.size(), 1 + Command::MaxWaiting);
    auto next = recorded.begin();
    for (const std::string& change : heard)
    {
        next = std::find(next, recorded.end(), change);
        ASSERT_NE(next, recorded.end()) << change << " out of order";
        ++next;
    }
    for (const char key : {'L', 'R', 'U'})
    {
        const auto last = std::find_if(heard.rbegin(), heard.rend(),
                                       [&](const std::string& change) { return change[0] == key; });
        EXPECT_TRUE(last != heard.rend() && (*last)[1] == '+') << key << " ends held";
    }
    EXPECT_EQ(heard.back(), "U+");
}

// A frame's key events as "L+ R-" (L, R, U: the arrows; +: down, -: up; F: the
// focus goes away and comes back, and the game goes on), frames apart by '|'.
// Whatever comes in one frame, the ship ends doing what the keys still held say.
TEST_F(KeyRecording, TheShipEndsDoingWhatTheKeysStillHeldSay)
{
    struct Case
    {
        const char* frames;
        int motion; // -1 left, 0 still, 1 right
        bool firing;
    };
    const Case cases[] = {
        {"L+ | L- R+ | R-", 0, false}, {"L+ | L- R+", 1, false},
        {"L+ L-", 0, false},           {"U+ L+ | U- L-", 0, false},
        {"U+ R+ | R- L+ L-", 0, true}, {"L+ L+ L+ | L+ L+ | L+ L-", 0, false},
        {"L+ | U+ | F", 0, false},     {"L+ R- U+ F", 0, false},
        {"L+ | F | R+", 1, false},     {"L+ L- R+ R- U+ U- L+ L- R+ R- L+", -1, false},
    };
    ActorMedia media;
    const sf::Time step = sf::milliseconds(20);
    for (const Case& c : cases)
    {
        Command command(mSession.events());
        GameClock clock;
        SceneNode layer;
        const auto* ship =
            attachTo(layer, std::make_unique<Inspectable<Player>>(
                                media.window(), media.cache(), sf::Vector2f(400.f, 700.f), clock));
        const auto play = [&](const std::string& events)
        {
            std::istringstream in(events);
            for (std::string event; in >> event;)
                if (event == "F")
                    loseFocusAndGoOn(command, layer);
                else
                    command.recordKey(event[0] == 'L'   ? sf::Keyboard::Left
                                      : event[0] == 'R' ? sf::Keyboard::Right
                                                        : sf::Keyboard::Up,
                                      event[1] == '+');
            FakeClock::advance(step);
            layer.update(step);
            command.handOver(layer);
        };
        std::istringstream frames(c.frames);
        for (std::string events; std::getline(frames, events, '|');)
            play(events);
        for (std::size_t settling = 0; settling <= Command::MaxWaiting; ++settling)
            play("");
        const float x = ship->getSpritePosition().x;
        const std::size_t missiles = ship->childCount();
        for (int n = 0; n < 30; ++n) // 0.6 s: time for a shot
            play("");
        const float moved = ship->getSpritePosition().x - x;
        EXPECT_EQ((moved > 0.f) - (moved < 0.f), c.motion) << c.frames;
        EXPECT_EQ(ship->childCount() > missiles, c.firing) << c.frames;
    }
}
