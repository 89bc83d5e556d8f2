#pragma once

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <deque>
#include <vector>

// The gamepads, read as keys: each reading turns what changed on any pad since
// the last one into the presses and releases of the keys that stand for it on
// the screen, so that nothing past the keyboard controller knows a pad spoke.
// Pads may come and go at any moment: a control on a pad that went away counts
// as let go.
class Gamepad
{
public:
    enum class Layout
    {
        Play, // stick or D-pad left and right: Left, Right; any face button: Up; Start: P
        Menu, // stick or D-pad up and down: Up, Down; button 0: Enter
    };

    explicit Gamepad(Layout layout);

    // Appends the key events for what changed since the last reading. What is
    // held at the first reading was pressed before the screen began: it counts
    // once it has been let go and pressed again.
    void read(std::deque<sf::Event>& events);

    // How far a stick must lean, of 100, to count as a direction.
    static constexpr float Lean = 50.f;
    // Buttons as SFML numbers them on the usual pads under Linux: A, B, X and
    // Y first, Start eighth.
    static constexpr unsigned int FaceButtons = 4;
    static constexpr unsigned int StartButton = 7;

private:
    struct Control
    {
        sf::Keyboard::Key key;
        bool (*isHeldOn)(unsigned int pad);
    };

    std::vector<Control> mControls;
    std::vector<bool> mHeld;
    bool mFirstReading = true;
};
