#include "gameplay/Gamepad.hpp"

#include <SFML/Window/Joystick.hpp>

namespace
{
// A stick or the D-pad (which SFML reports as the hat's axes) leaning that way;
// up is negative, as on the screen.
float leanOf(unsigned int pad, sf::Joystick::Axis stick, sf::Joystick::Axis hat, float sign)
{
    const float stickLean = sign * sf::Joystick::getAxisPosition(pad, stick);
    const float hatLean = sign * sf::Joystick::getAxisPosition(pad, hat);
    return stickLean > hatLean ? stickLean : hatLean;
}

bool leansLeft(unsigned int pad)
{
    return leanOf(pad, sf::Joystick::X, sf::Joystick::PovX, -1.f) > Gamepad::Lean;
}

bool leansRight(unsigned int pad)
{
    return leanOf(pad, sf::Joystick::X, sf::Joystick::PovX, 1.f) > Gamepad::Lean;
}

bool leansUp(unsigned int pad)
{
    return leanOf(pad, sf::Joystick::Y, sf::Joystick::PovY, -1.f) > Gamepad::Lean;
}

bool leansDown(unsigned int pad)
{
    return leanOf(pad, sf::Joystick::Y, sf::Joystick::PovY, 1.f) > Gamepad::Lean;
}

bool anyFaceButton(unsigned int pad)
{
    for (unsigned int button = 0; button < Gamepad::FaceButtons; ++button)
        if (sf::Joystick::isButtonPressed(pad, button))
            return true;
    return false;
}

bool firstButton(unsigned int pad)
{
    return sf::Joystick::isButtonPressed(pad, 0);
}

bool startButton(unsigned int pad)
{
    return sf::Joystick::isButtonPressed(pad, Gamepad::StartButton);
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
        mControls = {{sf::Keyboard::Left, leansLeft},
                     {sf::Keyboard::Right, leansRight},
                     {sf::Keyboard::Up, anyFaceButton},
                     {sf::Keyboard::P, startButton}};
    else
        mControls = {{sf::Keyboard::Up, leansUp},
                     {sf::Keyboard::Down, leansDown},
                     {sf::Keyboard::Enter, firstButton}};
    mHeld.assign(mControls.size(), false);
}

void Gamepad::read(std::deque<sf::Event>& events)
{
    for (std::size_t i = 0; i < mControls.size(); ++i)
    {
        bool held = false;
        for (unsigned int pad = 0; pad < sf::Joystick::Count && !held; ++pad)
            held = sf::Joystick::isConnected(pad) && mControls[i].isHeldOn(pad);
        if (held != mHeld[i] && !(mFirstReading && held))
            events.push_back(keyEvent(mControls[i].key, held));
        mHeld[i] = held;
    }
    mFirstReading = false;
}
