#pragma once

#include <SFML/Window/Keyboard.hpp>

#include <array>
#include <optional>
#include <vector>

// Which keys, and which gamepad buttons, do each play action. The event pump
// reads them to decode what the player presses into play controls, so nothing
// past it knows which key spoke. A key does one action at most.
class KeyBindings
{
public:
    enum class Action
    {
        Left,
        Right,
        Fire,
        Pause,
    };
    static constexpr std::array<Action, 4> Actions = {Action::Left, Action::Right, Action::Fire,
                                                      Action::Pause};
    // As the settings file names it: "left", "right", "fire", "pause".
    static const char* nameOf(Action action);

    // The defaults: Left; Right; Up and Space; P, Pause and Escape. Pads: their
    // own face buttons fire and their own Start pauses.
    KeyBindings();

    const std::vector<sf::Keyboard::Key>& keys(Action action) const;
    std::optional<Action> actionOf(sf::Keyboard::Key key) const;

    // The keys do the action from now on, each taken from any other action
    // that had it, which may be left with none until restoreMissing(). False,
    // and nothing changes, when one of them is kept for the whole game (mute,
    // volume, fullscreen).
    bool setKeys(Action action, const std::vector<sf::Keyboard::Key>& keys);
    // The player's choice in the options: the key alone does the action. An
    // action it is taken from and left with no key gets the chosen action's
    // old keys, so that every action always has one.
    bool bind(Action action, sf::Keyboard::Key key);
    // Every action left with no key gets its default keys back, from whoever
    // holds them; the actions that did, in order.
    std::vector<Action> restoreMissing();
    // What the keys kept for the whole game do on every screen; none for a key
    // the player may bind.
    enum class Fixed
    {
        Mute,
        Quieter,
        Louder,
        Fullscreen,
    };
    static std::optional<Fixed> fixedRoleOf(sf::Keyboard::Key key);
    // A kept key, or one SFML does not know.
    static bool isReserved(sf::Keyboard::Key key);

    // Buttons by number, for fire and pause; none means the pad's own.
    const std::vector<unsigned int>& padButtons(Action action) const;
    // False for the actions a stick does (left and right).
    bool setPadButtons(Action action, const std::vector<unsigned int>& buttons);

    bool operator==(const KeyBindings& other) const
    {
        return mKeys == other.mKeys && mPadButtons == other.mPadButtons;
    }

private:
    static std::size_t indexOf(Action action) { return static_cast<std::size_t>(action); }

    std::array<std::vector<sf::Keyboard::Key>, Actions.size()> mKeys;
    std::array<std::vector<unsigned int>, Actions.size()> mPadButtons;
};
