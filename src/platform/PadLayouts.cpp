#include "platform/PadLayouts.hpp"

#include <SFML/Window/Joystick.hpp>

namespace
{
// xpad, and the pads that copy it: A, B, X, Y, LB, RB, Back, Start, Guide, the sticks.
constexpr PadButtons XboxLayout{0, 1, 6, 7};
// hid-sony and hid-playstation: Cross, Circle, Triangle, Square, L1, R1, L2, R2,
// Share or Create, Options, PS, the sticks.
constexpr PadButtons PlayStationLayout{0, 1, 8, 9};
// hid-nintendo: B, A, X, Y (A is east of B, as printed), Capture, L, R, ZL,
// ZR, Minus, Plus, Home, the sticks.
constexpr PadButtons NintendoLayout{1, 0, 9, 10};

struct KnownPad
{
    unsigned int vendorId;
    unsigned int productId;
    PadButtons buttons;
};

constexpr KnownPad KnownPads[] = {
    {0x045e, 0x028e, XboxLayout},        // Xbox 360, and 8BitDo pads in X-input mode
    {0x045e, 0x028f, XboxLayout},        // Xbox 360 wireless, cable plugged in
    {0x045e, 0x0719, XboxLayout},        // Xbox 360 wireless receiver
    {0x045e, 0x02d1, XboxLayout},        // Xbox One
    {0x045e, 0x02dd, XboxLayout},        // Xbox One
    {0x045e, 0x02e3, XboxLayout},        // Xbox One Elite
    {0x045e, 0x02ea, XboxLayout},        // Xbox One S
    {0x045e, 0x0b00, XboxLayout},        // Xbox Elite Series 2
    {0x045e, 0x0b12, XboxLayout},        // Xbox Series X|S
    {0x2dc8, 0x2000, XboxLayout},        // 8BitDo Pro 2 Wired for Xbox
    {0x2dc8, 0x3106, XboxLayout},        // 8BitDo Ultimate Wireless, Pro 2 Wired (X-input)
    {0x2dc8, 0x3109, XboxLayout},        // 8BitDo Ultimate Wireless (X-input)
    {0x2dc8, 0x310a, XboxLayout},        // 8BitDo Ultimate 2C Wireless (X-input)
    {0x28de, 0x11ff, XboxLayout},        // Steam's virtual pad
    {0x054c, 0x05c4, PlayStationLayout}, // DualShock 4
    {0x054c, 0x09cc, PlayStationLayout}, // DualShock 4, second model
    {0x054c, 0x0ba0, PlayStationLayout}, // DualShock 4 wireless adaptor
    {0x054c, 0x0ce6, PlayStationLayout}, // DualSense
    {0x054c, 0x0df2, PlayStationLayout}, // DualSense Edge
    {0x057e, 0x2009, NintendoLayout},    // Switch Pro Controller
};
} // namespace

PadButtons PadLayouts::forIdentity(unsigned int vendorId, unsigned int productId)
{
    for (const KnownPad& pad : KnownPads)
        if (pad.vendorId == vendorId && pad.productId == productId)
            return pad.buttons;
    return XboxLayout;
}

PadButtons PadLayouts::of(unsigned int pad)
{
    const sf::Joystick::Identification identity = sf::Joystick::getIdentification(pad);
    return forIdentity(identity.vendorId, identity.productId);
}
