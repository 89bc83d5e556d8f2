#include "app/Session.hpp"

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
} // namespace

Session::Session(sf::RenderWindow& window, Options options)
    : mWindow(window), mOptions(std::move(options)), mWindowMode(window)
{
}

void Session::openWindow()
{
    mWindowMode.open(startsFullscreen());
}

// The command line decides; without it, a window.
bool Session::startsFullscreen() const
{
    return mOptions.fullscreen.value_or(false);
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
        if (!isSwitchPress(event.key))
            return false;
        if (!mSwitchKeyDown)
            mSwitchAsked = !mSwitchAsked;
        mSwitchKeyDown = true;
        return true;
    case sf::Event::KeyReleased:
        if (isSwitchKey(event.key.code))
            mSwitchKeyDown = false;
        return false;
    case sf::Event::GainedFocus:
        // The key may have been let go while another window had the keyboard.
        if (!isSwitchKeyHeld())
            mSwitchKeyDown = false;
        return false;
    default:
        return false;
    }
}

void Session::switchModeIfAsked()
{
    if (mSwitchAsked && mWindow.isOpen())
        mWindowMode.toggleFullscreen();
    mSwitchAsked = false;
}
