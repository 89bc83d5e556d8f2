#include "session/Gamepad.hpp"

#include "config/KeyBindings.hpp"

#include <SFML/Window/Joystick.hpp>

namespace
{
using Action = KeyBindings::Action;

// A stick or the D-pad (which SFML reports as the hat's axes) leaning that way;
// up is negative, as on the screen.
bool leans(unsigned int pad, sf::Joystick::Axis stick, sf::Joystick::Axis hat, float sign)
{
    return sign * sf::Joystick::getAxisPosition(pad, stick) > Gamepad::DeadZone ||
           sign * sf::Joystick::getAxisPosition(pad, hat) > Gamepad::DeadZone;
}

bool pressed(unsigned int pad, unsigned int button)
{
    return sf::Joystick::isButtonPressed(pad, button);
}

bool anyOf(unsigned int pad, const std::vector<unsigned int>& buttons)
{
    for (unsigned int button : buttons)
        if (pressed(pad, button))
            return true;
    return false;
}

std::vector<unsigned int> faceButtons()
{
    std::vector<unsigned int> buttons;
    for (unsigned int button = 0; button < PadLayouts::FaceButtons; ++button)
        buttons.push_back(button);
    return buttons;
}

using Held = std::function<bool(unsigned int pad, const PadButtons& buttons)>;

Held leaning(sf::Joystick::Axis stick, sf::Joystick::Axis hat, float sign)
{
    return [=](unsigned int pad, const PadButtons&) { return leans(pad, stick, hat, sign); };
}

const Held Left = leaning(sf::Joystick::X, sf::Joystick::PovX, -1.f);
const Held Right = leaning(sf::Joystick::X, sf::Joystick::PovX, 1.f);
const Held Up = leaning(sf::Joystick::Y, sf::Joystick::PovY, -1.f);
const Held Down = leaning(sf::Joystick::Y, sf::Joystick::PovY, 1.f);

Decoded input(MenuControl menu, PlayControl play = PlayControl::None)
{
    Input made;
    made.type = Input::Type::Press;
    made.device = Device::Pad;
    made.menu = menu;
    made.play = play;
    return {made};
}

Decoded global(GlobalControl control)
{
    Decoded made;
    made.global = control;
    return made;
}
} // namespace

void Gamepad::begin(bool capturing)
{
    using Pad = unsigned int;
    using Buttons = const PadButtons&;
    using Keys = const KeyBindings&;
    // What a control does alone, and as a chord with Back held.
    const auto alone = [](Held held)
    {
        return [held](Pad pad, Buttons buttons, Keys)
        { return !pressed(pad, buttons.back) && held(pad, buttons); };
    };
    const auto withBack = [](Held held)
    {
        return [held](Pad pad, Buttons buttons, Keys)
        { return pressed(pad, buttons.back) && held(pad, buttons); };
    };
    const auto button = [](unsigned int PadButtons::*which)
    { return [which](Pad pad, Buttons buttons) { return pressed(pad, buttons.*which); }; };
    // The player's buttons for an action where there are any, otherwise the pad's own.
    const auto playersOr = [](Action action, std::function<std::vector<unsigned int>(Buttons)> own)
    {
        return [action, own](Pad pad, Buttons buttons, Keys keys)
        {
            const auto& chosen = keys.padButtons(action);
            return !pressed(pad, buttons.back) &&
                   anyOf(pad, chosen.empty() ? own(buttons) : chosen);
        };
    };

    mControls.clear();
    if (capturing)
    {
        // Every button is a candidate for the Keys page; Back says no.
        for (unsigned int number = 0; number < sf::Joystick::ButtonCount; ++number)
        {
            Decoded candidate = input(MenuControl::None);
            candidate.input->source = Source{Device::Pad, static_cast<int>(number)};
            mControls.push_back({candidate, [number](Pad pad, Buttons buttons, Keys)
                                 { return pressed(pad, number) && number != buttons.back; }});
        }
        mControls.push_back({input(MenuControl::Back), [](Pad pad, Buttons buttons, Keys)
                             { return pressed(pad, buttons.back); }});
    }
    else
        mControls = {
            {input(MenuControl::Left, PlayControl::Left), alone(Left)},
            {input(MenuControl::Right, PlayControl::Right), alone(Right)},
            {input(MenuControl::Up), alone(Up)},
            {input(MenuControl::Down), alone(Down)},
            {input(MenuControl::Accept), alone(button(&PadButtons::a))},
            {input(MenuControl::Back), alone(button(&PadButtons::b))},
            {input(MenuControl::None, PlayControl::Fire),
             playersOr(Action::Fire, [](Buttons) { return faceButtons(); })},
            {input(MenuControl::None, PlayControl::Pause),
             playersOr(Action::Pause, [](Buttons buttons) { return std::vector{buttons.start}; })},
            {global(GlobalControl::Mute), withBack(button(&PadButtons::a))},
            {global(GlobalControl::Fullscreen), withBack(button(&PadButtons::b))},
            {global(GlobalControl::Quieter), withBack(Down)},
            {global(GlobalControl::Louder), withBack(Up)},
        };
    mHeld.assign(mControls.size(), false);
    mFirstReading = true;
}

void Gamepad::read(std::deque<Decoded>& decoded, const KeyBindings& keys)
{
    if (mControls.empty())
        begin();
    std::vector<bool> held(mControls.size(), false);
    for (unsigned int pad = 0; pad < sf::Joystick::Count; ++pad)
    {
        if (!sf::Joystick::isConnected(pad))
            continue;
        const PadButtons buttons = PadLayouts::of(pad);
        for (std::size_t i = 0; i < mControls.size(); ++i)
            held[i] = held[i] || mControls[i].isHeldOn(pad, buttons, keys);
    }
    // Releases before presses: a button handed from one control to another (A
    // turning from accept into mute as Back goes down) lets the first go first.
    for (bool pass : {false, true})
        for (std::size_t i = 0; i < mControls.size(); ++i)
            if (held[i] == pass && held[i] != mHeld[i] && !(mFirstReading && held[i]))
            {
                Decoded change = mControls[i].meaning;
                if (change.input && !pass)
                    change.input->type = Input::Type::Release;
                if (pass || change.input)
                    decoded.push_back(change);
            }
    mHeld = held;
    mFirstReading = false;
}
