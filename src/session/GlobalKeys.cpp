#include "session/GlobalKeys.hpp"

#include "config/Preferences.hpp"
#include "platform/WindowMode.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/VolumeNotice.hpp"
#include "sound/MasterVolume.hpp"

#include <SFML/Window/Keyboard.hpp>

namespace
{
bool isSwitchKey(sf::Keyboard::Key code)
{
    return code == sf::Keyboard::F11 || code == sf::Keyboard::Enter;
}

bool isSwitchPress(const sf::Event::KeyEvent& key)
{
    return key.code == sf::Keyboard::F11 || (key.code == sf::Keyboard::Enter && key.alt);
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

GlobalKeys::GlobalKeys(WindowMode& windowMode, MasterVolume& volume, VolumeNotice& notice,
                       CaptionFont& font, Preferences& preferences)
    : mWindowMode(windowMode), mVolume(volume), mNotice(notice), mFont(font),
      mPreferences(preferences)
{
}

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
            mSwitchAsked = !mSwitchAsked;
        mSwitchKeyDown = true;
        return true;
    case sf::Event::KeyReleased:
        if (isSwitchKey(event.key.code))
            mSwitchKeyDown = false;
        if (event.key.code == sf::Keyboard::M)
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
    if (hasModifier(key))
        return false;
    switch (key.code)
    {
    case sf::Keyboard::M:
        if (!mMuteKeyDown)
        {
            mVolume.toggleMute();
            mPreferences.rememberMuting(mVolume.isMuted());
        }
        mMuteKeyDown = true;
        break;
    case sf::Keyboard::Hyphen:
    case sf::Keyboard::Subtract:
        mVolume.quieter();
        mPreferences.rememberVolume(mVolume.isMuted(), mVolume.volume());
        break;
    case sf::Keyboard::Equal:
    case sf::Keyboard::Add:
        mVolume.louder();
        mPreferences.rememberVolume(mVolume.isMuted(), mVolume.volume());
        break;
    default:
        return false;
    }
    mNotice.show(mVolume, mFont.get());
    return true;
}

void GlobalKeys::switchModeIfAsked()
{
    if (mSwitchAsked)
    {
        mWindowMode.toggleFullscreen();
        mPreferences.rememberFullscreen(mWindowMode.isFullscreen());
    }
    mSwitchAsked = false;
}
