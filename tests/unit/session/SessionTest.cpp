#include "config/Settings.hpp"
#include "foundation/Field.hpp"
#include "platform/WindowMode.hpp"
#include "support/EventPump.hpp"
#include "support/FakeClock.hpp"
#include "support/FakeJoystick.hpp"
#include "support/ScopedXdgHome.hpp"
#include "support/TestSession.hpp"
#include "support/XWindowEvents.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/Listener.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <X11/Xlib.h>

#include <sstream>

#include <string>
#include <vector>

namespace
{
// An input as a test names it: the keys and close requests a screen gets.
std::string nameOf(const Input& input)
{
    switch (input.type)
    {
    case Input::Type::Press:
        return "press " + std::to_string(input.source.code);
    case Input::Type::Release:
        return "release " + std::to_string(input.source.code);
    case Input::Type::Closed:
        return "close";
    default:
        return {};
    }
}

std::string press(sf::Keyboard::Key key)
{
    return "press " + std::to_string(key);
}

std::string release(sf::Keyboard::Key key)
{
    return "release " + std::to_string(key);
}
} // namespace

struct DesktopCase
{
    sf::Vector2u desktop;
    unsigned int side;
};

void PrintTo(const DesktopCase& c, std::ostream* out)
{
    *out << c.desktop.x << " x " << c.desktop.y;
}

class FirstWindow : public ::testing::TestWithParam<DesktopCase>
{
};

// Room is left for a title bar, a frame and a panel.
TEST_P(FirstWindow, IsTheFieldsSizeWhereItFitsElseTheLargestSquareThatDoes)
{
    const DesktopCase& c = GetParam();
    EXPECT_EQ(WindowMode::firstWindowSize(sf::VideoMode(c.desktop.x, c.desktop.y)),
              sf::Vector2u(c.side, c.side));
}

INSTANTIATE_TEST_SUITE_P(Desktops, FirstWindow,
                         ::testing::Values(DesktopCase{{1920, 1080}, 800},
                                           DesktopCase{{3840, 2160}, 800},
                                           DesktopCase{{896, 896}, 800},
                                           DesktopCase{{1366, 768}, 672},
                                           DesktopCase{{1280, 800}, 704},
                                           DesktopCase{{600, 1024}, 568}, DesktopCase{{0, 0}, 200}),
                         [](const ::testing::TestParamInfo<DesktopCase>& caseInfo)
                         {
                             return std::to_string(caseInfo.param.desktop.x) + "x" +
                                    std::to_string(caseInfo.param.desktop.y);
                         });

class SessionEvents : public ::testing::Test
{
protected:
    // The sound keys change the process's master volume.
    void TearDown() override
    {
        sf::Listener::setGlobalVolume(100.f);
        FakeJoystick::unplugAll();
    }

    // Polls as a screen does until an event with this name has been handed out;
    // returns the names of the key events and close requests handed out.
    std::vector<std::string> pollUntil(const std::string& last)
    {
        std::vector<std::string> seen;
        const bool arrived = pumpUntil(
            [&]
            {
                Input input;
                while (mSession.poll(input))
                    if (!nameOf(input).empty())
                        seen.push_back(nameOf(input));
            },
            [&] { return !seen.empty() && seen.back() == last; });
        EXPECT_TRUE(arrived) << "never handed out: " << last;
        return seen;
    }

    void tapSwitchKey(bool altEnter = false)
    {
        const sf::Keyboard::Key key = altEnter ? sf::Keyboard::Enter : sf::Keyboard::F11;
        XWindowEvents::sendKey(mWindow, key, true, altEnter);
        XWindowEvents::sendKey(mWindow, key, false, altEnter);
    }

    sf::RenderWindow mWindow{sf::VideoMode(640, 480, 32), "Vantorix test"};
    TestSession mSession{mWindow};
};

TEST_F(SessionEvents, AResizeLetterboxesTheFieldAndIsHandedOn)
{
    XWindowEvents::resize(mWindow, 1200, 800);
    bool handedOn = false;
    ASSERT_TRUE(pumpUntil(
        [&]
        {
            Input input;
            while (mSession.poll(input))
                handedOn = handedOn || input.type == Input::Type::Changed;
        },
        [&] { return handedOn && mWindow.getSize() == sf::Vector2u(1200, 800); }));
    EXPECT_EQ(mWindow.getViewport(mWindow.getView()), sf::IntRect(200, 0, 800, 800));
    EXPECT_EQ(mWindow.mapPixelToCoords({1000, 400}), sf::Vector2f(800.f, 400.f));
}

// The window is made again after the events before the key have been handed
// out; the keys themselves are the session's alone.
TEST_F(SessionEvents, FullscreenKeysSwitchTheSameWindowBackAndForth)
{
    const sf::Vector2u desktop(sf::VideoMode::getDesktopMode().width,
                               sf::VideoMode::getDesktopMode().height);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    tapSwitchKey();
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Right, true);

    EXPECT_EQ(pollUntil(press(sf::Keyboard::Right)),
              (std::vector<std::string>{press(sf::Keyboard::Left), release(sf::Keyboard::F11),
                                        press(sf::Keyboard::Right)}));
    Input input;
    mSession.poll(input); // the queue runs dry: now the window is made again
    ASSERT_TRUE(mSession.isFullscreen());
    EXPECT_TRUE(mWindow.isOpen());
    EXPECT_EQ(mWindow.getSize(), desktop);
    EXPECT_EQ(mWindow.getView().getViewport(), Field::letterbox(desktop).getViewport());

    tapSwitchKey(true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
    pollUntil(press(sf::Keyboard::Up));
    mSession.poll(input);
    EXPECT_FALSE(mSession.isFullscreen());
    EXPECT_EQ(mWindow.getSize(), sf::Vector2u(640, 480)) << "back to the window's own size";
    EXPECT_EQ(mWindow.getView().getViewport(),
              Field::letterbox(sf::Vector2u(640, 480)).getViewport());
}

TEST_F(SessionEvents, EnterWithoutAltIsHandedOutAndSwitchesNothing)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Enter, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
    EXPECT_EQ(pollUntil(press(sf::Keyboard::Up)),
              (std::vector<std::string>{press(sf::Keyboard::Enter), press(sf::Keyboard::Up)}));
    EXPECT_FALSE(mSession.isFullscreen());
}

// A held key repeats its press until it is let go.
TEST_F(SessionEvents, AHeldKeySwitchesOnce)
{
    for (int repeat = 0; repeat < 4; ++repeat)
        XWindowEvents::sendKey(mWindow, sf::Keyboard::F11, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::F11, false);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
    pollUntil(press(sf::Keyboard::Up));
    Input input;
    mSession.poll(input);
    EXPECT_TRUE(mSession.isFullscreen());
}

// What a screen that reads no events leaves waits, in order, for the next one.
TEST_F(SessionEvents, HeldEventsWaitInOrderAcrossASwitch)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    XWindowEvents::requestClose(mWindow);
    tapSwitchKey();
    ASSERT_TRUE(
        pumpUntil([&] { mSession.events().hold(); }, [&] { return mSession.isFullscreen(); }));
    EXPECT_TRUE(mWindow.isOpen()) << "the close request is not acted on";

    XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
    EXPECT_EQ(pollUntil(press(sf::Keyboard::Up)),
              (std::vector<std::string>{press(sf::Keyboard::Left), "close",
                                        release(sf::Keyboard::F11), press(sf::Keyboard::Up)}));
}

TEST_F(SessionEvents, AClosedWindowYieldsNothingNotEvenHeldEvents)
{
    XWindowEvents::sendKey(mWindow, sf::Keyboard::Left, true);
    XWindowEvents::sendKey(mWindow, sf::Keyboard::F11, true);
    ASSERT_TRUE(
        pumpUntil([&] { mSession.events().hold(); }, [&] { return mSession.isFullscreen(); }));
    mWindow.close();
    Input input;
    EXPECT_FALSE(mSession.poll(input)) << "the held Left press is dropped";
}

// A held M repeats its press but mutes once; a held - or + goes on stepping.
TEST_F(SessionEvents, SoundKeysMuteAndStepTheVolumeAndAreNotHandedOut)
{
    struct Step
    {
        std::vector<sf::Keyboard::Key> presses;
        bool muted;
        int volume;
    };
    const Step steps[] = {
        {{sf::Keyboard::M, sf::Keyboard::M, sf::Keyboard::M}, true, 100},
        {{sf::Keyboard::M}, false, 100},
        {{sf::Keyboard::Hyphen, sf::Keyboard::Hyphen, sf::Keyboard::Hyphen}, false, 70},
        {{sf::Keyboard::Add}, false, 80},
        {{sf::Keyboard::M}, true, 80},
        {{sf::Keyboard::Hyphen}, false, 70},
        {std::vector<sf::Keyboard::Key>(12, sf::Keyboard::Add), false, 100},
        {std::vector<sf::Keyboard::Key>(12, sf::Keyboard::Hyphen), false, 0},
    };
    for (const Step& step : steps)
    {
        for (sf::Keyboard::Key key : step.presses)
            XWindowEvents::sendKey(mWindow, key, true);
        XWindowEvents::sendKey(mWindow, step.presses.back(), false);
        XWindowEvents::sendKey(mWindow, sf::Keyboard::Up, true);
        EXPECT_EQ(
            pollUntil(press(sf::Keyboard::Up)),
            (std::vector<std::string>{release(step.presses.back()), press(sf::Keyboard::Up)}));
        EXPECT_EQ(mSession.volume().isMuted(), step.muted);
        EXPECT_EQ(mSession.volume().volume(), step.volume);
        EXPECT_FLOAT_EQ(sf::Listener::getGlobalVolume(), step.muted ? 0.f : step.volume);
        EXPECT_TRUE(mSession.context().notice.isShown());
        EXPECT_EQ(mSession.context().notice.getText().getString().toAnsiString(),
                  step.muted ? "Sound off" : "Volume " + std::to_string(step.volume));
    }
    FakeClock::advance(VolumeNotice::ShownFor);
    EXPECT_FALSE(mSession.context().notice.isShown()) << "shown for a moment only";
}

// A pad's chords pass the same door as the keys they stand for, also on a
// screen that reads no events (the game-over screen).
TEST_F(SessionEvents, APadsChordsActAsTheirKeys)
{
    FakeJoystick::plugIn(1);
    mSession.events().hold();             // the first reading: nothing held
    for (unsigned int button : {6, 0, 1}) // Back, A, B
        FakeJoystick::press(1, button);
    mSession.events().hold();
    EXPECT_TRUE(mSession.volume().isMuted());
    EXPECT_TRUE(mSession.isFullscreen());
}

// The remembered settings, and options given for one run.
class SessionSettings : public ::testing::Test
{
protected:
    void TearDown() override { sf::Listener::setGlobalVolume(100.f); }

    Settings remembered(const Settings::Values& values)
    {
        Settings settings;
        std::ostringstream problems;
        settings.load(problems);
        settings.save(values, problems);
        EXPECT_EQ(problems.str(), "");
        return settings;
    }

    Settings::Values onDisk()
    {
        Settings settings;
        std::ostringstream problems;
        settings.load(problems);
        return settings.values();
    }

    ScopedXdgHome mHome;
    sf::RenderWindow mWindow{sf::VideoMode(640, 480, 32), "Vantorix test"};
};

TEST_F(SessionSettings, TheRunStartsAsRememberedUnlessAnOptionSaysOtherwise)
{
    Options quietAndLoud;
    quietAndLoud.muted = true;
    quietAndLoud.volume = 90;
    const struct
    {
        Settings::Values kept;
        Options options;
        bool muted;
        int volume;
    } cases[] = {
        {{true, 40, false}, Options(), true, 40},
        {{false, 40, false}, quietAndLoud, true, 90},
    };
    for (const auto& c : cases)
    {
        Settings settings = remembered(c.kept);
        const TestSession session(mWindow, c.options, &settings);
        EXPECT_EQ(session.volume().isMuted(), c.muted);
        EXPECT_EQ(session.volume().volume(), c.volume);
        EXPECT_FLOAT_EQ(sf::Listener::getGlobalVolume(), c.muted ? 0.f : c.volume);
    }
    EXPECT_EQ(onDisk(), (Settings::Values{false, 40, false})) << "options are not remembered";
}

TEST_F(SessionSettings, WhatThePlayerChangesIsRememberedAndNothingElse)
{
    Settings settings = remembered({false, 80, false});
    Options options;
    options.volume = 30;
    TestSession session(mWindow, options, &settings);

    const struct
    {
        sf::Keyboard::Key key;
        Settings::Values kept;
    } steps[] = {
        {sf::Keyboard::M, {true, 80, false}},    // the volume is this run's alone
        {sf::Keyboard::Add, {false, 40, false}}, // a new volume is heard: unmuted
        {sf::Keyboard::F11, {false, 40, true}},
        {sf::Keyboard::F11, {false, 40, false}},
    };
    for (const auto& step : steps)
    {
        XWindowEvents::sendKey(session.window(), step.key, true);
        XWindowEvents::sendKey(session.window(), step.key, false);
        ASSERT_TRUE(pumpUntil(
            [&]
            {
                Input input;
                while (session.poll(input))
                {
                }
                FakeClock::advance(sf::seconds(1.f));
            },
            [&] { return onDisk() == step.kept; }))
            << "after " << step.key;
    }
}

// A held - or + goes on turning the volume with every repeat, but the settings
// are written at most once a second meanwhile, and once more at the end.
TEST_F(SessionSettings, AHeldVolumeKeyWritesTheSettingsAtMostOnceASecond)
{
    struct CountingDisk : KeptFile::Disk
    {
        mutable int writes = 0;
        bool rename(const std::filesystem::path& from,
                    const std::filesystem::path& to) const override
        {
            ++writes;
            return Disk::rename(from, to);
        }
    } disk;
    Settings settings(KeptFile(KeptFile::Place::Config, "settings.ini", &disk));
    std::ostringstream problems;
    settings.load(problems);
    {
        TestSession session(mWindow, Options(), &settings);
        for (int repeat = 0; repeat < 100; ++repeat) // ten seconds of repeats, up and down
        {
            const int before = session.volume().volume();
            XWindowEvents::sendKey(session.window(),
                                   repeat / 3 % 2 ? sf::Keyboard::Add : sf::Keyboard::Hyphen, true);
            ASSERT_TRUE(pumpUntil(
                [&]
                {
                    Input input;
                    while (session.poll(input))
                    {
                    }
                },
                [&] { return session.volume().volume() != before; }));
            FakeClock::advance(sf::milliseconds(100));
        }
        EXPECT_GE(disk.writes, 5) << "kept while the key is held, too";
    }
    EXPECT_LE(disk.writes, 11);
    EXPECT_EQ(onDisk().volume, 80) << "the last turn, kept at the end";
}

// The desktop shows the game's icon for the window, also once a switch to
// fullscreen or back has made the window again.
TEST(WindowIcon, StaysWhenTheWindowIsMadeAgain)
{
    sf::RenderWindow window;
    WindowMode mode(window);
    sf::Image icon;
    icon.create(24, 16, sf::Color::Red);
    mode.setIcon(icon);
    mode.open(false);
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const Atom property = XInternAtom(display, "_NET_WM_ICON", False);
    // The icon property begins with the picture's width and height.
    const auto iconSize = [&]
    {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        std::pair<long, long> size;
        if (XGetWindowProperty(display, window.getSystemHandle(), property, 0, 2, False,
                               AnyPropertyType, &type, &format, &items, &after, &data) == Success &&
            data && items == 2)
            size = {reinterpret_cast<long*>(data)[0], reinterpret_cast<long*>(data)[1]};
        if (data)
            XFree(data);
        return size;
    };
    for (int made = 0; made < 3; ++made)
    {
        EXPECT_TRUE(pumpUntil([] {}, [&] { return iconSize() == std::pair<long, long>(24, 16); }))
            << "after " << made << " switches";
        mode.toggleFullscreen();
    }
    window.close();
    XCloseDisplay(display);
}
