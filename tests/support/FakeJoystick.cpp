#include "support/FakeJoystick.hpp"

#include <array>

namespace
{
struct Pad
{
    bool connected = false;
    sf::Joystick::Identification identity;
    std::array<bool, sf::Joystick::ButtonCount> buttons{};
    std::array<float, sf::Joystick::AxisCount> axes{};
};

std::array<Pad, sf::Joystick::Count> gPads;

Pad* connected(unsigned int pad)
{
    return pad < gPads.size() && gPads[pad].connected ? &gPads[pad] : nullptr;
}
} // namespace

void FakeJoystick::plugIn(unsigned int pad, unsigned int vendorId, unsigned int productId)
{
    gPads.at(pad) = Pad();
    gPads.at(pad).connected = true;
    gPads.at(pad).identity.vendorId = vendorId;
    gPads.at(pad).identity.productId = productId;
}

void FakeJoystick::unplug(unsigned int pad)
{
    gPads.at(pad) = Pad();
}

void FakeJoystick::unplugAll()
{
    gPads.fill(Pad());
}

void FakeJoystick::press(unsigned int pad, unsigned int button, bool pressed)
{
    gPads.at(pad).buttons.at(button) = pressed;
}

void FakeJoystick::lean(unsigned int pad, sf::Joystick::Axis axis, float position)
{
    gPads.at(pad).axes.at(axis) = position;
}

// These definitions take the place of the library's at link time.
bool sf::Joystick::isConnected(unsigned int joystick)
{
    return connected(joystick) != nullptr;
}

unsigned int sf::Joystick::getButtonCount(unsigned int joystick)
{
    return connected(joystick) ? sf::Joystick::ButtonCount : 0;
}

bool sf::Joystick::hasAxis(unsigned int joystick, Axis)
{
    return connected(joystick) != nullptr;
}

bool sf::Joystick::isButtonPressed(unsigned int joystick, unsigned int button)
{
    const Pad* pad = connected(joystick);
    return pad && button < pad->buttons.size() && pad->buttons[button];
}

float sf::Joystick::getAxisPosition(unsigned int joystick, Axis axis)
{
    const Pad* pad = connected(joystick);
    return pad ? pad->axes[axis] : 0.f;
}

sf::Joystick::Identification sf::Joystick::getIdentification(unsigned int joystick)
{
    const Pad* pad = connected(joystick);
    return pad ? pad->identity : Identification();
}

void sf::Joystick::update() {}
