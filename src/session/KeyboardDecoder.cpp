#include "session/KeyboardDecoder.hpp"

#include "config/KeyBindings.hpp"

namespace
{
MenuControl menuControlOf(sf::Keyboard::Key key)
{
    switch (key)
    {
    case sf::Keyboard::Up:
    case sf::Keyboard::W:
        return MenuControl::Up;
    case sf::Keyboard::Down:
    case sf::Keyboard::S:
        return MenuControl::Down;
    case sf::Keyboard::Left:
    case sf::Keyboard::A:
        return MenuControl::Left;
    case sf::Keyboard::Right:
    case sf::Keyboard::D:
        return MenuControl::Right;
    case sf::Keyboard::Enter:
    case sf::Keyboard::Space:
        return MenuControl::Accept;
    case sf::Keyboard::Escape:
        return MenuControl::Back;
    default:
        return MenuControl::None;
    }
}

PlayControl playControlOf(sf::Keyboard::Key key, const KeyBindings& keys)
{
    const auto action = keys.actionOf(key);
    if (!action)
        return PlayControl::None;
    switch (*action)
    {
    case KeyBindings::Action::Left:
        return PlayControl::Left;
    case KeyBindings::Action::Right:
        return PlayControl::Right;
    case KeyBindings::Action::Fire:
        return PlayControl::Fire;
    case KeyBindings::Action::Pause:
        break;
    }
    return PlayControl::Pause;
}

// M mutes, - and + turn the volume (on the keypad too), F11 and Alt+Enter
// switch fullscreen. With a modifier a sound key is the player's own.
GlobalControl globalControlOf(const sf::Event::KeyEvent& key)
{
    if (key.code == sf::Keyboard::Enter && key.alt)
        return GlobalControl::Fullscreen;
    const auto role = KeyBindings::fixedRoleOf(key.code);
    if (!role ||
        (*role != KeyBindings::Fixed::Fullscreen && (key.alt || key.control || key.system)))
        return GlobalControl::None;
    switch (*role)
    {
    case KeyBindings::Fixed::Mute:
        return GlobalControl::Mute;
    case KeyBindings::Fixed::Quieter:
        return GlobalControl::Quieter;
    case KeyBindings::Fixed::Louder:
        return GlobalControl::Louder;
    case KeyBindings::Fixed::Fullscreen:
        break;
    }
    return GlobalControl::Fullscreen;
}

Decoded inputOf(Input::Type type, Device device = Device::Pointer)
{
    Input input;
    input.type = type;
    input.device = device;
    return {input};
}
} // namespace

Decoded KeyboardDecoder::decode(const sf::Event& event, const KeyBindings& keys, bool capturing)
{
    switch (event.type)
    {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        return decodeKey(event.key, event.type == sf::Event::KeyPressed, keys, capturing);
    case sf::Event::MouseButtonPressed:
        if (event.mouseButton.button == sf::Mouse::Left)
            return inputOf(Input::Type::Click);
        return {};
    case sf::Event::MouseWheelScrolled:
    {
        if (event.mouseWheelScroll.wheel != sf::Mouse::VerticalWheel ||
            event.mouseWheelScroll.delta == 0.f)
            return {};
        Decoded wheel = inputOf(Input::Type::Wheel);
        wheel.input->step = event.mouseWheelScroll.delta > 0.f ? 1 : -1;
        return wheel;
    }
    case sf::Event::Closed:
        return inputOf(Input::Type::Closed, Device::Keyboard);
    case sf::Event::LostFocus:
        forgetKeysLetGo();
        return inputOf(Input::Type::FocusLost, Device::Keyboard);
    case sf::Event::GainedFocus:
        forgetKeysLetGo();
        return inputOf(Input::Type::Changed, Device::Keyboard);
    case sf::Event::Resized:
        return inputOf(Input::Type::Changed, Device::Keyboard);
    default:
        // The pointer is asked where it is when a screen needs it; pads are
        // read apart; text and the rest say nothing a screen acts on.
        return {};
    }
}

Decoded KeyboardDecoder::decodeKey(const sf::Event::KeyEvent& key, bool pressed,
                                   const KeyBindings& keys, bool capturing)
{
    const bool known = key.code >= 0 && key.code < sf::Keyboard::KeyCount;
    const auto index = static_cast<std::size_t>(known ? key.code : 0);
    const bool repeat = known && pressed && mDown[index];
    if (known)
    {
        if (!pressed)
            mStale[index] = false;
        else if (mStale[index])
            return {}; // still held from the screen before
        mDown[index] = pressed;
    }

    Decoded decoded;
    decoded.repeat = repeat;
    // The keys every screen answers go no further when pressed.
    if (!capturing && pressed)
    {
        decoded.global = globalControlOf(key);
        if (decoded.global != GlobalControl::None)
            return decoded;
    }
    Input input;
    input.type = pressed ? Input::Type::Press : Input::Type::Release;
    input.repeat = repeat;
    input.device = Device::Keyboard;
    input.source = Source{Device::Keyboard, key.code, key.alt};
    input.menu = menuControlOf(key.code);
    // While the Keys page waits, Escape alone keeps its meaning: it takes the question back.
    if (!capturing)
    {
        input.play = playControlOf(key.code, keys);
        if (key.code == sf::Keyboard::O)
            input.shortcut = Shortcut::Options;
        else if (key.code == sf::Keyboard::Escape)
            input.shortcut = Shortcut::Leave;
    }
    else if (input.menu != MenuControl::Back)
        input.menu = MenuControl::None;
    decoded.input = input;
    return decoded;
}

// Keys let go while another window has the keyboard send us no release: the
// keyboard itself says which are still down. A key held on through a switch
// of the window (F11) stays down, so its repeats stay repeats.
void KeyboardDecoder::forgetKeysLetGo()
{
    for (std::size_t key = 0; key < mDown.size(); ++key)
        if (mDown[key] && !sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(key)))
            mDown[key] = mStale[key] = false;
}

void KeyboardDecoder::beginScreen()
{
    mStale = mDown;
}
