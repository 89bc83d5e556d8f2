#include "session/Gamepad.hpp"

#include "config/KeyBindings.hpp"

#include <SFML/Window/Joystick.hpp>

namespace
{
// A stick or the D-pad (which SFML reports as the hat's axes) leaning that way;
// up is negative, as on the screen.
bool leans(unsigned int pad, sf::Joystick::Axis stick, sf::Joystick::Axis hat, float sign)
{
    return sign * sf::Joystick::getAxisPosition(pad, stick) > Gamepad::DeadZone ||
           sign * sf::Joystick::getAxisPosition(pad, hat) > Gamepad::DeadZone;
}

bool leansLeft(unsigned int pad)
{
    return leans(pad, sf::Joystick::X, sf::Joystick::PovX, -1.f);
}

bool leansRight(unsigned int pad)
{
    return leans(pad, sf::Joystick::X, sf::Joystick::PovX, 1.f);
}

bool leansUp(unsigned int pad)
{
    return leans(pad, sf::Joystick::Y, sf::Joystick::PovY, -1.f);
}

bool leansDown(unsigned int pad)
{
    return leans(pad, sf::Joystick::Y, sf::Joystick::PovY, 1.f);
}

bool anyFaceButton(unsigned int pad)
{
    for (unsigned int button = 0; button < PadLayouts::FaceButtons; ++button)
        if (sf::Joystick::isButtonPressed(pad, button))
            return true;
    return false;
}

bool pressed(unsigned int pad, unsigned int button)
{
    return sf::Joystick::isButtonPressed(pad, button);
}

bool backHeld(unsigned int pad, const PadButtons& buttons)
{
    return pressed(pad, buttons.back);
}

// Each screen's own controls, none while Back is held.
bool left(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && leansLeft(pad);
}

bool right(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && leansRight(pad);
}

bool up(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && leansUp(pad);
}

bool down(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && leansDown(pad);
}

bool anyOf(unsigned int pad, const std::vector<unsigned int>& chosen)
{
    for (unsigned int button : chosen)
        if (pressed(pad, button))
            return true;
    return false;
}

bool back(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && pressed(pad, buttons.b);
}

bool choose(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && pressed(pad, buttons.a);
}

// The player's buttons for an action where there are any, otherwise the pad's own.
auto playerOr(const KeyBindings* keys, KeyBindings::Action action,
              bool (*own)(unsigned int pad, const PadButtons& buttons))
{
    return [keys, action, own](unsigned int pad, const PadButtons& buttons)
    {
        if (backHeld(pad, buttons))
            return false;
        if (keys && !keys->padButtons(action).empty())
            return anyOf(pad, keys->padButtons(action));
        return own(pad, buttons);
    };
}

// The chords every screen answers.
bool faceButton(unsigned int pad, const PadButtons&)
{
    return anyFaceButton(pad);
}

bool startButton(unsigned int pad, const PadButtons& buttons)
{
    return pressed(pad, buttons.start);
}

bool backAndA(unsigned int pad, const PadButtons& buttons)
{
    return backHeld(pad, buttons) && pressed(pad, buttons.a);
}

bool backAndB(unsigned int pad, const PadButtons& buttons)
{
    return backHeld(pad, buttons) && pressed(pad, buttons.b);
}

bool backAndDown(unsigned int pad, const PadButtons& buttons)
{
    return backHeld(pad, buttons) && leansDown(pad);
}

bool backAndUp(unsigned int pad, const PadButtons& buttons)
{
    return backHeld(pad, buttons) && leansUp(pad);
}

sf::Event keyEvent(sf::Keyboard::Key key, bool pressed)
{
    sf::Event event;
    event.type = pressed ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    event.key = sf::Event::KeyEvent{key, false, false, false, false};
    return event;
}
} // namespace

Gamepad::Gamepad(Layout layout, const KeyBindings* keys)
{
    using Action = KeyBindings::Action;
    if (layout == Layout::Play)
        mControls = {{sf::Keyboard::Left, left},
                     {sf::Keyboard::Right, right},
                     {sf::Keyboard::Up, playerOr(keys, Action::Fire, faceButton)},
                     {sf::Keyboard::P, playerOr(keys, Action::Pause, startButton)}};
    else
        mControls = {{sf::Keyboard::Up, up},
                     {sf::Keyboard::Down, down},
                     {sf::Keyboard::Left, left},
                     {sf::Keyboard::Right, right},
                     {sf::Keyboard::Enter, choose},
                     {sf::Keyboard::Escape, back},
                     {sf::Keyboard::P, playerOr(keys, Action::Pause, startButton)}};
    mControls.insert(mControls.end(), {{sf::Keyboard::M, backAndA},
                                       {sf::Keyboard::F11, backAndB},
                                       {sf::Keyboard::Hyphen, backAndDown},
                                       {sf::Keyboard::Equal, backAndUp}});
    mHeld.assign(mControls.size(), false);
}

void Gamepad::read(std::deque<sf::Event>& events)
{
    std::vector<bool> held(mControls.size(), false);
    for (unsigned int pad = 0; pad < sf::Joystick::Count; ++pad)
    {
        if (!sf::Joystick::isConnected(pad))
            continue;
        const PadButtons buttons = PadLayouts::of(pad);
        for (std::size_t i = 0; i < mControls.size(); ++i)
            held[i] = held[i] || mControls[i].isHeldOn(pad, buttons);
    }
    // Releases before presses: a control handed from one key to another (A
    // turning from fire into mute as Back goes down) lets the first key go first.
    for (bool pass : {false, true})
        for (std::size_t i = 0; i < mControls.size(); ++i)
            if (held[i] == pass && held[i] != mHeld[i] && !(mFirstReading && held[i]))
                events.push_back(keyEvent(mControls[i].key, held[i]));
    mHeld = held;
    mFirstReading = false;
}
