#include "session/Gamepad.hpp"

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

bool fire(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && anyFaceButton(pad);
}

bool choose(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && pressed(pad, buttons.a);
}

bool start(unsigned int pad, const PadButtons& buttons)
{
    return !backHeld(pad, buttons) && pressed(pad, buttons.start);
}

// The chords every screen answers.
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

Gamepad::Gamepad(Layout layout)
{
    if (layout == Layout::Play)
        mControls = {{sf::Keyboard::Left, left},
                     {sf::Keyboard::Right, right},
                     {sf::Keyboard::Up, fire},
                     {sf::Keyboard::P, start}};
    else
        mControls = {
            {sf::Keyboard::Up, up}, {sf::Keyboard::Down, down}, {sf::Keyboard::Enter, choose}};
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
