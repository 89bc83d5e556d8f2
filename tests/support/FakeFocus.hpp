#pragma once

// Whether a window has the keyboard, as the test desktop reports it. Tests
// that share an X server open windows at any moment, and each new window may
// take the keyboard focus from another test's: here a window has the focus
// until the test says it has lost it.
namespace FakeFocus
{
// Every window's answer from now on; true until a test says otherwise.
void set(bool focused);
bool isFocused();
} // namespace FakeFocus
