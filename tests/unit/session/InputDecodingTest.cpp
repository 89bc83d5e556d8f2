#include "session/Gamepad.hpp"
#include "support/FakeJoystick.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> keysOf(const std::deque<sf::Event>& events)
{
    std::vector<std::string> keys;
    for (const sf::Event& event : events)
        keys.push_back((event.type == sf::Event::KeyPressed ? "press " : "release ") +
                       std::to_string(event.key.code));
    return keys;
}

std::string press(sf::Keyboard::Key key)
{
    return "press " + std::to_string(key);
}

std::string release(sf::Keyboard::Key key)
{
    return "release " + std::to_string(key);
}

using Layout = Gamepad::Layout;
constexpr unsigned int Pad = 2;
} // namespace

class GamepadReading : public ::testing::Test
{
protected:
    void SetUp() override { FakeJoystick::plugIn(Pad); }
    void TearDown() override { FakeJoystick::unplugAll(); }

    std::vector<std::string> read(Gamepad& pad)
    {
        std::deque<sf::Event> events;
        pad.read(events);
        return keysOf(events);
    }
};

struct ControlCase
{
    const char* name;
    Layout layout;
    std::function<void()> handle; // what the player does on the pad
    sf::Keyboard::Key key;        // Unknown: no key
};

void PrintTo(const ControlCase& c, std::ostream* out)
{
    *out << c.name;
}

class GamepadControl : public GamepadReading, public ::testing::WithParamInterface<ControlCase>
{
};

// Each control presses its key, and the pad at rest lets it go.
TEST_P(GamepadControl, PressesItsKeyAndLetsItGoAtRest)
{
    const ControlCase& c = GetParam();
    Gamepad pad(c.layout);
    EXPECT_TRUE(read(pad).empty()) << "at rest";
    c.handle();
    const std::vector<std::string> expected =
        c.key == sf::Keyboard::Unknown ? std::vector<std::string>{} : std::vector{press(c.key)};
    EXPECT_EQ(read(pad), expected);
    EXPECT_TRUE(read(pad).empty()) << "held, nothing changes";
    FakeJoystick::plugIn(Pad); // at rest again
    const std::vector<std::string> released =
        c.key == sf::Keyboard::Unknown ? std::vector<std::string>{} : std::vector{release(c.key)};
    EXPECT_EQ(read(pad), released);
}

auto lean(sf::Joystick::Axis axis, float position)
{
    return [=] { FakeJoystick::lean(Pad, axis, position); };
}

auto push(unsigned int button)
{
    return [=] { FakeJoystick::press(Pad, button); };
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GamepadControl,
    ::testing::Values(
        ControlCase{"PlayStickLeft", Layout::Play, lean(sf::Joystick::X, -60.f),
                    sf::Keyboard::Left},
        ControlCase{"PlayStickBarelyLeft", Layout::Play, lean(sf::Joystick::X, -50.f),
                    sf::Keyboard::Unknown},
        ControlCase{"PlayStickRight", Layout::Play, lean(sf::Joystick::X, 100.f),
                    sf::Keyboard::Right},
        ControlCase{"PlayDpadLeft", Layout::Play, lean(sf::Joystick::PovX, -100.f),
                    sf::Keyboard::Left},
        ControlCase{"PlayStickUp", Layout::Play, lean(sf::Joystick::Y, -100.f),
                    sf::Keyboard::Unknown},
        ControlCase{"PlayFirstFaceButton", Layout::Play, push(0), sf::Keyboard::Up},
        ControlCase{"PlayLastFaceButton", Layout::Play, push(3), sf::Keyboard::Up},
        ControlCase{"PlayShoulderButton", Layout::Play, push(4), sf::Keyboard::Unknown},
        ControlCase{"PlayStart", Layout::Play, push(7), sf::Keyboard::P},
        ControlCase{"MenuStickUp", Layout::Menu, lean(sf::Joystick::Y, -80.f), sf::Keyboard::Up},
        ControlCase{"MenuDpadDown", Layout::Menu, lean(sf::Joystick::PovY, 100.f),
                    sf::Keyboard::Down},
        ControlCase{"MenuStickLeft", Layout::Menu, lean(sf::Joystick::X, -100.f),
                    sf::Keyboard::Left},
        ControlCase{"MenuFirstButton", Layout::Menu, push(0), sf::Keyboard::Enter},
        ControlCase{"MenuSecondButton", Layout::Menu, push(1), sf::Keyboard::Escape},
        ControlCase{"MenuFifthButton", Layout::Menu, push(4), sf::Keyboard::Unknown}),
    [](const ::testing::TestParamInfo<ControlCase>& caseInfo)
    { return std::string(caseInfo.param.name); });

// The button that chose Play in the menu must not fire at once, nor a button
// held through the game-over screen choose in the next menu.
TEST_F(GamepadReading, WhatIsHeldAtTheFirstReadingCountsOncePressedAgain)
{
    FakeJoystick::press(Pad, 0);
    Gamepad pad(Layout::Menu);
    EXPECT_TRUE(read(pad).empty());
    FakeJoystick::press(Pad, 0, false);
    EXPECT_EQ(read(pad), std::vector{release(sf::Keyboard::Enter)});
    FakeJoystick::press(Pad, 0);
    EXPECT_EQ(read(pad), std::vector{press(sf::Keyboard::Enter)});
}

TEST_F(GamepadReading, PadsComeAndGoAtAnyMoment)
{
    Gamepad pad(Layout::Play);
    read(pad);
    FakeJoystick::plugIn(5);
    FakeJoystick::press(5, 1);
    FakeJoystick::press(Pad, 2);
    EXPECT_EQ(read(pad), std::vector{press(sf::Keyboard::Up)}) << "two pads, one key";
    FakeJoystick::unplug(Pad);
    EXPECT_TRUE(read(pad).empty()) << "the other pad still fires";
    FakeJoystick::unplug(5);
    EXPECT_EQ(read(pad), std::vector{release(sf::Keyboard::Up)});
    EXPECT_TRUE(read(pad).empty()) << "no pad at all";
}

// Back makes chords of the other controls: A held for fire turns into mute
// (fire let go first), and nothing else is left to do its own work.
TEST_F(GamepadReading, BackTurnsTheOtherControlsIntoChords)
{
    Gamepad pad(Layout::Play);
    read(pad);
    FakeJoystick::press(Pad, 0);
    EXPECT_EQ(read(pad), std::vector{press(sf::Keyboard::Up)});
    FakeJoystick::press(Pad, 6);
    FakeJoystick::press(Pad, 2);
    FakeJoystick::lean(Pad, sf::Joystick::X, -100.f);
    FakeJoystick::lean(Pad, sf::Joystick::PovY, 100.f);
    EXPECT_EQ(read(pad), (std::vector{release(sf::Keyboard::Up), press(sf::Keyboard::M),
                                      press(sf::Keyboard::Hyphen)}));
}

// Each pad's own Start pauses, A chooses, and Back with A or B mutes or
// switches fullscreen; a button that is Start elsewhere does nothing.
TEST_F(GamepadReading, KnownPadsByTheirIdentity)
{
    struct Known
    {
        const char* name;
        unsigned int vendorId, productId, a, b, back, start, notStart;
    };
    const Known pads[] = {{"Xbox 360", 0x045e, 0x028e, 0, 1, 6, 7, 9},
                          {"Steam", 0x28de, 0x11ff, 0, 1, 6, 7, 9},
                          {"DualShock 4", 0x054c, 0x05c4, 0, 1, 8, 9, 7},
                          {"DualSense", 0x054c, 0x0ce6, 0, 1, 8, 9, 7},
                          {"Switch Pro", 0x057e, 0x2009, 1, 0, 9, 10, 7},
                          {"unknown", 0x1234, 0x5678, 0, 1, 6, 7, 9}};
    for (const Known& p : pads)
    {
        const auto keysFor = [&](Layout layout, std::vector<unsigned int> buttons)
        {
            FakeJoystick::plugIn(Pad, p.vendorId, p.productId);
            Gamepad pad(layout);
            read(pad);
            for (unsigned int button : buttons)
                FakeJoystick::press(Pad, button);
            return read(pad);
        };
        EXPECT_EQ(keysFor(Layout::Play, {p.start}), std::vector{press(sf::Keyboard::P)}) << p.name;
        EXPECT_TRUE(keysFor(Layout::Play, {p.notStart}).empty()) << p.name;
        EXPECT_EQ(keysFor(Layout::Menu, {p.a}), std::vector{press(sf::Keyboard::Enter)}) << p.name;
        EXPECT_EQ(keysFor(Layout::Menu, {p.back, p.a}), std::vector{press(sf::Keyboard::M)})
            << p.name;
        EXPECT_EQ(keysFor(Layout::Play, {p.back, p.b}), std::vector{press(sf::Keyboard::F11)})
            << p.name;
    }
}
