#include "app/Session.hpp"

#include "app/Settings.hpp"
#include "resources/MediaCheck.hpp"
#include "resources/MediaFiles.hpp"

#include <SFML/Window/Keyboard.hpp>

#include <iostream>
#include <utility>

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

Settings::Values keptIn(const Settings* settings)
{
    return settings ? settings->values() : Settings::Values();
}
} // namespace

Session::Session(sf::RenderWindow& window, Options options, Settings* settings)
    : mWindow(window), mOptions(std::move(options)), mSettings(settings), mWindowMode(window),
      mVolume(mOptions.muted.value_or(keptIn(settings).muted),
              mOptions.volume.value_or(keptIn(settings).volume))
{
}

void Session::openWindow()
{
    mWindowMode.open(startsFullscreen());
}

// The command line decides; without it, the mode the player last chose.
bool Session::startsFullscreen() const
{
    return mOptions.fullscreen.value_or(keptIn(mSettings).fullscreen);
}

void Session::recordGame(int levelReached)
{
    mLastGame = mBestLevel.record(levelReached, std::cerr);
}

const sf::Font& Session::captionFont()
{
    if (!mCaptionFontOpened && MediaCheck::isCompleteFont(MediaFiles::DigitalTech))
        mCaptionFont.loadFromFile(MediaFiles::DigitalTech);
    mCaptionFontOpened = true;
    return mCaptionFont;
}

bool Session::pollEvent(sf::Event& event)
{
    if (!mWindow.isOpen())
    {
        mHeld.clear();
        mSwitchAsked = false;
        return false;
    }
    if (!mHeld.empty())
    {
        event = mHeld.front();
        mHeld.pop_front();
        return true;
    }
    while (mWindow.pollEvent(event))
        if (!handle(event))
            return true;
    // Only now: remaking the window drops whatever it still had queued.
    switchModeIfAsked();
    return false;
}

void Session::holdEvents()
{
    sf::Event event;
    while (mWindow.pollEvent(event))
        if (!handle(event))
            mHeld.push_back(event);
    switchModeIfAsked();
}

bool Session::handle(const sf::Event& event)
{
    switch (event.type)
    {
    case sf::Event::Resized:
        mWindowMode.fitView();
        return false;
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
bool Session::handleSoundKey(const sf::Event::KeyEvent& key)
{
    if (hasModifier(key))
        return false;
    switch (key.code)
    {
    case sf::Keyboard::M:
        if (!mMuteKeyDown)
        {
            mVolume.toggleMute();
            remember(Choice::Muting);
        }
        mMuteKeyDown = true;
        break;
    case sf::Keyboard::Hyphen:
    case sf::Keyboard::Subtract:
        mVolume.quieter();
        remember(Choice::Volume);
        break;
    case sf::Keyboard::Equal:
    case sf::Keyboard::Add:
        mVolume.louder();
        remember(Choice::Volume);
        break;
    default:
        return false;
    }
    mNotice.show(mVolume, captionFont());
    return true;
}

void Session::switchModeIfAsked()
{
    if (mSwitchAsked && mWindow.isOpen())
    {
        mWindowMode.toggleFullscreen();
        remember(Choice::WindowMode);
    }
    mSwitchAsked = false;
}

// Keeps only what the player changed: what an option set for this run alone
// stays as it was remembered.
void Session::remember(Choice choice)
{
    if (!mSettings)
        return;
    Settings::Values values = mSettings->values();
    switch (choice)
    {
    case Choice::Muting:
        values.muted = mVolume.isMuted();
        break;
    case Choice::Volume:
        values.muted = mVolume.isMuted();
        values.volume = mVolume.volume();
        break;
    case Choice::WindowMode:
        values.fullscreen = mWindowMode.isFullscreen();
        break;
    }
    mSettings->save(values, std::cerr);
}
