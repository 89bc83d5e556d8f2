#include "session/GlobalKeys.hpp"

#include "config/KeyBindings.hpp"
#include "session/Adjustments.hpp"

#include <SFML/Window/Keyboard.hpp>

namespace
{
using Fixed = KeyBindings::Fixed;

bool isSwitchKey(sf::Keyboard::Key code)
{
    return KeyBindings::fixedRoleOf(code) == Fixed::Fullscreen || code == sf::Keyboard::Enter;
}

bool isSwitchPress(const sf::Event::KeyEvent& key)
{
    return KeyBindings::fixedRoleOf(key.code) == Fixed::Fullscreen ||
           (key.code == sf::Keyboard::Enter && key.alt);
}

// The keyboard itself, for when the key's events may have gone to another window.
bool isSwitchKeyHeld()
{
    return sf::Keyboard::isKeyPressed(sf::Keyboard::F11) ||
           sf::Keyboard::isKeyPressed(sf::Keyboard::Enter);
}

bool hasModifier(const sf::Event::KeyEvent& key)
{
    return key.alt || key.control || key.system;
}
} // namespace

GlobalKeys::GlobalKeys(Adjustments& adjustments) : mAdjustments(adjustments) {}

bool GlobalKeys::handle(const sf::Event& event)
{
    switch (event.type)
    {
    case sf::Event::KeyPressed:
        if (handleSoundKey(event.key))
            return true;
        if (!isSwitchPress(event.key))
            return false;
        if (!mSwitchKeyDown)
            mAdjustments.askFullscreenSwitch();
        mSwitchKeyDown = true;
        return true;
    case sf::Event::KeyReleased:
        if (isSwitchKey(event.key.code))
            mSwitchKeyDown = false;
        if (KeyBindings::fixedRoleOf(event.key.code) == Fixed::Mute)
            mMuteKeyDown = false;
        return false;
    case sf::Event::GainedFocus:
        // The key may have been let go while another window had the keyboard.
        if (!isSwitchKeyHeld())
            mSwitchKeyDown = false;
        mMuteKeyDown = sf::Keyboard::isKeyPressed(sf::Keyboard::M);
        return false;
    default:
        return false;
    }
}

// A held M would mute and unmute with every repeat; a held - or + goes on
// turning the volume, as a player holding it expects.
bool GlobalKeys::handleSoundKey(const sf::Event::KeyEvent& key)
{
    const auto role = KeyBindings::fixedRoleOf(key.code);
    if (!role || hasModifier(key))
        return false;
    switch (*role)
    {
    case Fixed::Mute:
        if (!mMuteKeyDown)
            mAdjustments.toggleMute();
        mMuteKeyDown = true;
        return true;
    case Fixed::Quieter:
        mAdjustments.quieter();
        return true;
    case Fixed::Louder:
        mAdjustments.louder();
        return true;
    case Fixed::Fullscreen:
        break;
    }
    return false;
}
