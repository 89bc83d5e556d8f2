#include "config/KeyBindings.hpp"
#include "session/Gamepad.hpp"
#include "session/KeyCapture.hpp"
#include "session/KeyboardDecoder.hpp"
#include "support/FakeJoystick.hpp"

#include <gtest/gtest.h>

#include <SFML/Window/Event.hpp>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace
{
// A decoded input as a few words: "press menu:accept play:fire", "global:mute".
std::string describe(const Decoded& decoded)
{
    const char* globals[] = {"", "global:mute", "global:quieter", "global:louder",
                             "global:fullscreen"};
    const char* menus[] = {
        "", " menu:up", " menu:down", " menu:left", " menu:right", " menu:accept", " menu:back"};
    const char* plays[] = {"", " play:left", " play:right", " play:fire", " play:pause"};
    const char* shortcuts[] = {"", " options", " leave"};
    std::string words = globals[static_cast<int>(decoded.global)];
    if (!decoded.input)
        return words;
    const Input& input = *decoded.input;
    const char* types[] = {"press", "release", "click", "wheel", "closed", "focus lost", "changed"};
    words += types[static_cast<int>(input.type)];
    words += menus[static_cast<int>(input.menu)];
    words += plays[static_cast<int>(input.play)];
    words += shortcuts[static_cast<int>(input.shortcut)];
    if (input.type == Input::Type::Wheel)
        words += input.step > 0 ? " up" : " down";
    if (input.repeat)
        words += " repeat";
    if (input.source.device == Device::Pad && input.source.code >= 0)
        words += " button " + std::to_string(input.source.code);
    return words;
}

sf::Event keyEvent(sf::Keyboard::Key key, bool pressed = true, bool alt = false,
                   bool control = false)
{
    sf::Event event;
    event.type = pressed ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    event.key = sf::Event::KeyEvent{key, alt, control, false, false};
    return event;
}

using K = sf::Keyboard;
} // namespace

// What each key means in the menus, in play (as bound) and on every screen.
// A case's events go to one decoder in turn; the last one is described.
TEST(KeyboardDecoding, EachKeyMeansItsControlsOnce)
{
    KeyBindings chosen;
    chosen.bind(KeyBindings::Action::Fire, K::W);
    sf::Event click;
    click.type = sf::Event::MouseButtonPressed;
    click.mouseButton = {sf::Mouse::Left, 10, 10};
    sf::Event wheel;
    wheel.type = sf::Event::MouseWheelScrolled;
    wheel.mouseWheelScroll = {sf::Mouse::VerticalWheel, -1.f, 0, 0};
    const struct
    {
        std::vector<sf::Event> events;
        const KeyBindings* keys; // none: the defaults
        bool capturing;
        const char* decoded;
    } cases[] = {
        {{keyEvent(K::Left)}, nullptr, false, "press menu:left play:left"},
        {{keyEvent(K::Up)}, nullptr, false, "press menu:up play:fire"},
        {{keyEvent(K::S)}, nullptr, false, "press menu:down"},
        {{keyEvent(K::D)}, nullptr, false, "press menu:right"},
        {{keyEvent(K::Space)}, nullptr, false, "press menu:accept play:fire"},
        {{keyEvent(K::Enter)}, nullptr, false, "press menu:accept"},
        {{keyEvent(K::Escape)}, nullptr, false, "press menu:back play:pause leave"},
        {{keyEvent(K::P)}, nullptr, false, "press play:pause"},
        {{keyEvent(K::O)}, nullptr, false, "press options"},
        {{keyEvent(K::Q)}, nullptr, false, "press"},
        {{keyEvent(K::W)}, &chosen, false, "press menu:up play:fire"},
        {{keyEvent(K::Up)}, &chosen, false, "press menu:up"},
        {{keyEvent(K::Left), keyEvent(K::Left)},
         nullptr,
         false,
         "press menu:left play:left repeat"},
        {{keyEvent(K::Left), keyEvent(K::Left, false), keyEvent(K::Left)},
         nullptr,
         false,
         "press menu:left play:left"},
        {{keyEvent(K::Left, false)}, nullptr, false, "release menu:left play:left"},
        {{keyEvent(K::M)}, nullptr, false, "global:mute"},
        {{keyEvent(K::M, true, false, true)}, nullptr, false, "press"},
        {{keyEvent(K::Subtract)}, nullptr, false, "global:quieter"},
        {{keyEvent(K::Equal)}, nullptr, false, "global:louder"},
        {{keyEvent(K::F11)}, nullptr, false, "global:fullscreen"},
        {{keyEvent(K::Enter, true, true)}, nullptr, false, "global:fullscreen"},
        {{keyEvent(K::M, false)}, nullptr, false, "release"},
        // The Keys page hears every key, and Escape only as going back.
        {{keyEvent(K::M)}, nullptr, true, "press"},
        {{keyEvent(K::Escape)}, nullptr, true, "press menu:back"},
        {{keyEvent(K::Left)}, nullptr, true, "press"},
        {{click}, nullptr, false, "click"},
        {{wheel}, nullptr, false, "wheel down"},
    };
    for (const auto& c : cases)
    {
        KeyboardDecoder decoder;
        Decoded last;
        for (const sf::Event& event : c.events)
            last = decoder.decode(event, c.keys ? *c.keys : KeyBindings(), c.capturing);
        EXPECT_EQ(describe(last), c.decoded);
    }
}

// A key down when a screen began (fire held through the loss) counts for
// nothing, repeats included, until it has been let go.
TEST(KeyboardDecoding, AKeyDownWhenTheScreenBeganCountsOnceLetGo)
{
    KeyboardDecoder decoder;
    const KeyBindings keys;
    decoder.decode(keyEvent(K::Up), keys, false);
    decoder.beginScreen();
    EXPECT_EQ(describe(decoder.decode(keyEvent(K::Up), keys, false)), "");
    EXPECT_EQ(describe(decoder.decode(keyEvent(K::Up, false), keys, false)),
              "release menu:up play:fire");
    EXPECT_EQ(describe(decoder.decode(keyEvent(K::Up), keys, false)), "press menu:up play:fire");
}

namespace
{
constexpr unsigned int Pad = 2;

class GamepadReading : public ::testing::Test
{
protected:
    void SetUp() override { FakeJoystick::plugIn(Pad); }
    void TearDown() override { FakeJoystick::unplugAll(); }

    std::vector<std::string> read(Gamepad& pad, const KeyBindings& keys = KeyBindings())
    {
        std::deque<Decoded> decoded;
        pad.read(decoded, keys);
        std::vector<std::string> words;
        for (const Decoded& each : decoded)
            words.push_back(describe(each));
        return words;
    }
};

struct ControlCase
{
    const char* name;
    std::function<void()> handle;      // what the player does on the pad
    std::vector<std::string> presses;  // what it stands for
    std::vector<std::string> releases; // at rest again
    bool capturing = false;
};

void PrintTo(const ControlCase& c, std::ostream* out)
{
    *out << c.name;
}

class GamepadControl : public GamepadReading, public ::testing::WithParamInterface<ControlCase>
{
};

auto lean(sf::Joystick::Axis axis, float position)
{
    return [=] { FakeJoystick::lean(Pad, axis, position); };
}

auto push(unsigned int button)
{
    return [=] { FakeJoystick::press(Pad, button); };
}
} // namespace

// Each control presses what it stands for, and the pad at rest lets it go.
TEST_P(GamepadControl, PressesItsControlsAndLetsThemGoAtRest)
{
    const ControlCase& c = GetParam();
    Gamepad pad;
    pad.begin(c.capturing);
    EXPECT_TRUE(read(pad).empty()) << "at rest";
    c.handle();
    EXPECT_EQ(read(pad), c.presses);
    EXPECT_TRUE(read(pad).empty()) << "held, nothing changes";
    FakeJoystick::plugIn(Pad); // at rest again
    EXPECT_EQ(read(pad), c.releases);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, GamepadControl,
    ::testing::Values(
        ControlCase{"StickLeft",
                    lean(sf::Joystick::X, -60.f),
                    {"press menu:left play:left"},
                    {"release menu:left play:left"}},
        ControlCase{"StickBarelyLeft", lean(sf::Joystick::X, -50.f), {}, {}},
        ControlCase{"DpadRight",
                    lean(sf::Joystick::PovX, 100.f),
                    {"press menu:right play:right"},
                    {"release menu:right play:right"}},
        ControlCase{
            "StickUp", lean(sf::Joystick::Y, -80.f), {"press menu:up"}, {"release menu:up"}},
        ControlCase{"DpadDown",
                    lean(sf::Joystick::PovY, 100.f),
                    {"press menu:down"},
                    {"release menu:down"}},
        ControlCase{"FirstFaceButton",
                    push(0),
                    {"press menu:accept", "press play:fire"},
                    {"release menu:accept", "release play:fire"}},
        ControlCase{"SecondFaceButton",
                    push(1),
                    {"press menu:back", "press play:fire"},
                    {"release menu:back", "release play:fire"}},
        ControlCase{"LastFaceButton", push(3), {"press play:fire"}, {"release play:fire"}},
        ControlCase{"ShoulderButton", push(4), {}, {}},
        ControlCase{"Start", push(7), {"press play:pause"}, {"release play:pause"}},
        ControlCase{
            "AnyButtonForTheKeysPage", push(4), {"press button 4"}, {"release button 4"}, true},
        ControlCase{
            "BackForTheKeysPage", push(6), {"press menu:back"}, {"release menu:back"}, true}),
    [](const ::testing::TestParamInfo<ControlCase>& caseInfo)
    { return std::string(caseInfo.param.name); });

// The button that chose Play in the menu must not fire at once, nor a button
// held through the game-over screen choose in the next menu.
TEST_F(GamepadReading, WhatIsHeldAtTheFirstReadingCountsOncePressedAgain)
{
    FakeJoystick::press(Pad, 0);
    Gamepad pad;
    pad.begin();
    EXPECT_TRUE(read(pad).empty());
    FakeJoystick::press(Pad, 0, false);
    EXPECT_EQ(read(pad), (std::vector<std::string>{"release menu:accept", "release play:fire"}));
    FakeJoystick::press(Pad, 0);
    EXPECT_EQ(read(pad), (std::vector<std::string>{"press menu:accept", "press play:fire"}));
}

TEST_F(GamepadReading, PadsComeAndGoAtAnyMoment)
{
    Gamepad pad;
    read(pad);
    FakeJoystick::plugIn(5);
    FakeJoystick::press(5, 3);
    FakeJoystick::press(Pad, 2);
    EXPECT_EQ(read(pad), std::vector<std::string>{"press play:fire"}) << "two pads, one control";
    FakeJoystick::unplug(Pad);
    EXPECT_TRUE(read(pad).empty()) << "the other pad still fires";
    FakeJoystick::unplug(5);
    EXPECT_EQ(read(pad), std::vector<std::string>{"release play:fire"});
    EXPECT_TRUE(read(pad).empty()) << "no pad at all";
}

// Back makes chords of the other controls: A held for fire turns into mute
// (fire let go first), and nothing else is left to do its own work. The
// player's own fire button takes the face buttons' place.
TEST_F(GamepadReading, BackTurnsTheOtherControlsIntoChords)
{
    Gamepad pad;
    read(pad);
    FakeJoystick::press(Pad, 2);
    EXPECT_EQ(read(pad), std::vector<std::string>{"press play:fire"});
    FakeJoystick::press(Pad, 6);
    FakeJoystick::press(Pad, 0);
    FakeJoystick::lean(Pad, sf::Joystick::X, -100.f);
    FakeJoystick::lean(Pad, sf::Joystick::PovY, 100.f);
    EXPECT_EQ(read(pad),
              (std::vector<std::string>{"release play:fire", "global:mute", "global:quieter"}));

    KeyBindings chosen;
    chosen.setPadButtons(KeyBindings::Action::Fire, {5});
    FakeJoystick::plugIn(Pad);
    read(pad, chosen);
    FakeJoystick::press(Pad, 3);
    FakeJoystick::press(Pad, 5);
    EXPECT_EQ(read(pad, chosen), std::vector<std::string>{"press play:fire"});
}

// Each pad's own Start pauses, A accepts, and Back with A or B mutes or
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
        const auto after = [&](std::vector<unsigned int> buttons)
        {
            FakeJoystick::plugIn(Pad, p.vendorId, p.productId);
            Gamepad pad;
            read(pad);
            for (unsigned int button : buttons)
                FakeJoystick::press(Pad, button);
            return read(pad);
        };
        using Words = std::vector<std::string>;
        EXPECT_EQ(after({p.start}), Words{"press play:pause"}) << p.name;
        EXPECT_TRUE(after({p.notStart}).empty()) << p.name;
        EXPECT_EQ(after({p.a}), (Words{"press menu:accept", "press play:fire"})) << p.name;
        EXPECT_EQ(after({p.back, p.a}), Words{"global:mute"}) << p.name;
        EXPECT_EQ(after({p.back, p.b}), Words{"global:fullscreen"}) << p.name;
    }
}

// What the Keys page makes of a press while it waits for a key: a key binds
// the keyboard (taken from another action in exchange), a pad's button binds
// the pad's fire or pause (the stick steers), Back takes the question back and
// the keys kept for the whole game are refused.
TEST(KeyCapturing, BindsKeysAndButtonsWhereTheyMayGo)
{
    using Action = KeyBindings::Action;
    using Outcome = KeyCapture::Outcome;
    const auto press =
        [](Device device, int code, MenuControl menu = MenuControl::None, bool alt = false)
    {
        Input input;
        input.type = Input::Type::Press;
        input.menu = menu;
        input.source = Source{device, code, alt};
        return input;
    };
    const struct
    {
        Action action;
        Input input;
        Outcome outcome;
        std::vector<sf::Keyboard::Key> keys; // the action's keys after
        std::vector<unsigned int> buttons;   // and its pad buttons
    } cases[] = {
        {Action::Fire, press(Device::Keyboard, K::Z), Outcome::Bound, {K::Z}, {}},
        {Action::Left, press(Device::Keyboard, K::Right), Outcome::Bound, {K::Right}, {}},
        {Action::Fire, press(Device::Keyboard, K::M), Outcome::Kept, {K::Up, K::Space}, {}},
        {Action::Fire, press(Device::Keyboard, K::F11), Outcome::Kept, {K::Up, K::Space}, {}},
        {Action::Fire,
         press(Device::Keyboard, K::Enter, MenuControl::Accept, true),
         Outcome::Kept,
         {K::Up, K::Space},
         {}},
        {Action::Pause,
         press(Device::Keyboard, K::Escape, MenuControl::Back),
         Outcome::Cancelled,
         {K::P, K::Pause, K::Escape},
         {}},
        {Action::Fire, press(Device::Pad, 5), Outcome::Bound, {K::Up, K::Space}, {5}},
        {Action::Pause, press(Device::Pad, 3), Outcome::Bound, {K::P, K::Pause, K::Escape}, {3}},
        {Action::Left, press(Device::Pad, 2), Outcome::StickOnly, {K::Left}, {}},
        {Action::Right, press(Device::Pad, 2), Outcome::StickOnly, {K::Right}, {}},
        {Action::Pause,
         press(Device::Pad, 6, MenuControl::Back),
         Outcome::Cancelled,
         {K::P, K::Pause, K::Escape},
         {}},
    };
    for (const auto& c : cases)
    {
        KeyBindings keys;
        EXPECT_EQ(KeyCapture::bind(keys, c.action, c.input), c.outcome)
            << KeyCapture::nameOf(c.input.source);
        EXPECT_EQ(keys.keys(c.action), c.keys) << KeyCapture::nameOf(c.input.source);
        EXPECT_EQ(keys.padButtons(c.action), c.buttons) << KeyCapture::nameOf(c.input.source);
        for (const Action each : KeyBindings::Actions)
            EXPECT_FALSE(keys.keys(each).empty()) << "no action is left without a key";
    }
    KeyBindings swapped;
    KeyCapture::bind(swapped, Action::Left, press(Device::Keyboard, K::Right));
    EXPECT_EQ(swapped.keys(Action::Right), std::vector<sf::Keyboard::Key>{K::Left})
        << "Right takes Left's old key in exchange";
}
