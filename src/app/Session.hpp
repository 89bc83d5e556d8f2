#pragma once

#include "app/BestLevel.hpp"
#include "app/Options.hpp"
#include "app/WindowMode.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/NonCopyable.hpp>
#include <SFML/Window/Event.hpp>

#include <deque>
#include <optional>

// What lasts from the first screen to the last: the window, the options the
// game was started with, the window's mode, and what every screen does alike
// with the window's events. The entry point makes one right after the window
// (which outlives it) and hands it to every screen.
class Session : private sf::NonCopyable
{
public:
    explicit Session(sf::RenderWindow& window, Options options = Options());

    sf::RenderWindow& window() { return mWindow; }
    const Options& options() const { return mOptions; }
    bool isFullscreen() const { return mWindowMode.isFullscreen(); }

    // The best level kept between runs, and how the last game measured up to it.
    BestLevel& bestLevel() { return mBestLevel; }
    void recordGame(int levelReached);
    const std::optional<BestLevel::Outcome>& lastGame() const { return mLastGame; }

    // The score board's font, for what the menu and the game-over screen write
    // over their pictures. Opened once, when first asked for, and like the menu's
    // song not through a resource cache: the screens' loading lines stay theirs.
    // A font that does not open leaves the captions out.
    const sf::Font& captionFont();

    // Opens the window in the mode the player chose.
    void openWindow();

    // The next event for a screen to act on. Every event passes here first: a
    // resize keeps the field letterboxed, and F11 or Alt+Enter switch between
    // window and fullscreen once the events before them have been handed out
    // (the keys themselves are not handed out). A closed window yields nothing.
    bool pollEvent(sf::Event& event);

    // For a screen that acts on no events: does the same now, and keeps every
    // other event, in order, for the next screen that polls.
    void holdEvents();

private:
    bool startsFullscreen() const;
    // True when the event was for the session alone.
    bool handle(const sf::Event& event);
    void switchModeIfAsked();

    sf::RenderWindow& mWindow;
    Options mOptions;
    WindowMode mWindowMode;
    BestLevel mBestLevel;
    sf::Font mCaptionFont;
    bool mCaptionFontOpened = false;
    std::optional<BestLevel::Outcome> mLastGame;
    std::deque<sf::Event> mHeld;
    bool mSwitchAsked = false;
    bool mSwitchKeyDown = false; // a held key repeats its press; only the first one counts
};
