#pragma once

// What the player does, in the one language every screen reads: the event
// pump decodes keys, pad buttons, sticks, hats, the wheel and the pointer's
// button into these once, and no screen, menu or rule past it knows a key
// code, a pad button or which device spoke (but for a prompt to name it).
enum class Device
{
    Keyboard,
    Pad,
    Pointer,
};

enum class MenuControl
{
    None,
    Up,
    Down,
    Left,
    Right,
    Accept,
    Back,
};

enum class PlayControl
{
    None,
    Left,
    Right,
    Fire,
    Pause,
};

// A control of the title menu's alone.
enum class Shortcut
{
    None,
    Options, // O
    Leave,   // Escape on the keyboard: a pad's B must not end the game unasked
};

// What the Keys page binds: a key or a pad's button, as the device numbers it.
struct Source
{
    Device device = Device::Keyboard;
    int code = -1;
    bool alt = false; // Alt was held with the key
};

struct Input
{
    enum class Type
    {
        Press,
        Release,
        Click,     // the pointer's left button, wherever the pointer is
        Wheel,     // step: +1 up, -1 down
        Closed,    // the window's close button
        FocusLost, // the keyboard went to another window
        Changed,   // the window changed under the picture (resized, refocused ...)
    };

    Type type = Type::Changed;
    // What a press or release means in the menus and in play; either may be none.
    MenuControl menu = MenuControl::None;
    PlayControl play = PlayControl::None;
    Shortcut shortcut = Shortcut::None;
    // A held key's own repeated press.
    bool repeat = false;
    Device device = Device::Keyboard;
    Source source;
    int step = 0;

    bool isPress() const { return type == Type::Press; }
    // A press that is not a held key's repeat.
    bool isFreshPress() const { return type == Type::Press && !repeat; }
    bool presses(MenuControl control) const { return isPress() && menu == control; }
    bool presses(PlayControl control) const { return isPress() && play == control; }
};
