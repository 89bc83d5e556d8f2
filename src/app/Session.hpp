#pragma once

#include "app/BestLevel.hpp"
#include "app/MasterVolume.hpp"
#include "app/Options.hpp"
#include "app/WindowMode.hpp"
#include "presentation/VolumeNotice.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/NonCopyable.hpp>
#include <SFML/Window/Event.hpp>

#include <deque>
#include <optional>

class Settings;

// What lasts from the first screen to the last: the window, the options the
// game was started with, the window's mode, the sound's volume, and what every
// screen does alike with the window's events. The entry point makes one right
// after the window (which outlives it) and hands it to every screen.
class Session : private sf::NonCopyable
{
public:
    // The remembered settings start the sound and the window where the player
    // left them, unless an option says otherwise for this run; what the player
    // changes in play is remembered there. Without them nothing is remembered.
    explicit Session(sf::RenderWindow& window, Options options = Options(),
                     Settings* settings = nullptr);

    sf::RenderWindow& window() { return mWindow; }
    const Options& options() const { return mOptions; }
    bool isFullscreen() const { return mWindowMode.isFullscreen(); }
    const MasterVolume& volume() const { return mVolume; }

    // The best level kept between runs, and how the last game measured up to it.
    BestLevel& bestLevel() { return mBestLevel; }
    void recordGame(int levelReached);
    const std::optional<BestLevel::Outcome>& lastGame() const { return mLastGame; }

    // The score board's font, for what the menu and the game-over screen write
    // over their pictures. Opened once, when first asked for, and like the menu's
    // song not through a resource cache: the screens' loading lines stay theirs.
    // A font that does not open leaves the captions out.
    const sf::Font& captionFont();

    // Every screen draws this last in each frame: a moment's word on a change
    // of the sound.
    void drawNotice(sf::RenderTarget& target) const { mNotice.draw(target); }
    const VolumeNotice& notice() const { return mNotice; }

    // Opens the window in the mode the player chose.
    void openWindow();

    // The next event for a screen to act on. Every event passes here first: a
    // resize keeps the field letterboxed, M mutes or unmutes, - and + turn the
    // volume down or up, and F11 or Alt+Enter switch between window and
    // fullscreen once the events before them have been handed out (the presses
    // of these keys are not handed out). A closed window yields nothing.
    bool pollEvent(sf::Event& event);

    // For a screen that acts on no events: does the same now, and keeps every
    // other event, in order, for the next screen that polls.
    void holdEvents();

private:
    bool startsFullscreen() const;
    // True when the event was for the session alone.
    bool handle(const sf::Event& event);
    bool handleSoundKey(const sf::Event::KeyEvent& key);
    void switchModeIfAsked();

    enum class Choice
    {
        Muting,
        Volume,
        WindowMode,
    };
    void remember(Choice choice);

    sf::RenderWindow& mWindow;
    Options mOptions;
    Settings* mSettings; // the entry point's, which outlive the session; may be none
    WindowMode mWindowMode;
    MasterVolume mVolume;
    VolumeNotice mNotice;
    BestLevel mBestLevel;
    sf::Font mCaptionFont;
    bool mCaptionFontOpened = false;
    std::optional<BestLevel::Outcome> mLastGame;
    std::deque<sf::Event> mHeld;
    bool mSwitchAsked = false;
    bool mSwitchKeyDown = false; // a held key repeats its press; only the first one counts
    bool mMuteKeyDown = false;
};
