#pragma once

// Where a pad's buttons are, as SFML numbers them under Linux. SFML reads the
// kernel's joystick interface, which numbers a pad's buttons in the order of
// the codes its driver gives them, so one button has other numbers on other
// pads: Start is button 7 on an Xbox pad, 9 on a DualShock 4 (where 7 is R2).
struct PadButtons
{
    unsigned int a;     // confirms: A on Xbox and Nintendo pads, Cross on PlayStation ones
    unsigned int b;     // B, Circle
    unsigned int back;  // Back, View, Share, Create, Minus
    unsigned int start; // Start, Menu, Options, Plus

    bool operator==(const PadButtons& other) const
    {
        return a == other.a && b == other.b && back == other.back && start == other.start;
    }
};

namespace PadLayouts
{
// On every pad we know, A, B, X and Y (or their like) are the first four
// buttons, in some order.
constexpr unsigned int FaceButtons = 4;

// The pads most players have, known by their USB vendor and product; any other
// gets the layout of the Xbox driver, which most pads under Linux follow.
PadButtons forIdentity(unsigned int vendorId, unsigned int productId);

// The connected pad's, from its identification.
PadButtons of(unsigned int pad);
} // namespace PadLayouts
