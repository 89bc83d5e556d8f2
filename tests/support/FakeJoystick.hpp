#pragma once

#include <SFML/Window/Joystick.hpp>

// The test executables define sf::Joystick's state queries over pads the tests
// plug in and handle, since no machine of ours has a real one. No pad is
// plugged in until a test plugs one.
namespace FakeJoystick
{
// A pad with sf::Joystick::ButtonCount buttons and every axis, at rest, of
// the given USB vendor and product (none we know by default).
void plugIn(unsigned int pad, unsigned int vendorId = 0, unsigned int productId = 0);
void unplug(unsigned int pad);
void unplugAll();

void press(unsigned int pad, unsigned int button, bool pressed = true);
// From -100 to 100, as SFML reports an axis.
void lean(unsigned int pad, sf::Joystick::Axis axis, float position);
} // namespace FakeJoystick
