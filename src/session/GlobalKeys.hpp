#pragma once

#include <SFML/Window/Event.hpp>

class CaptionFont;
class MasterVolume;
class Preferences;
class VolumeNotice;
class WindowMode;

// The keys every screen answers alike: M mutes and unmutes, - and + turn the
// volume down and up, F11 and Alt+Enter switch between window and fullscreen.
// Each change shows a word on the sound or the window, and is remembered.
class GlobalKeys
{
public:
    // All of them outlive the keys.
    GlobalKeys(WindowMode& windowMode, MasterVolume& volume, VolumeNotice& notice,
               CaptionFont& font, Preferences& preferences);

    // True when the event was one of these keys' own: it goes no further.
    bool handle(const sf::Event& event);

    // The switch of the window's mode waits for this: remaking the window drops
    // whatever it still had queued, so the events before the key go out first.
    void switchModeIfAsked();
    // The window closed: nothing is left to switch.
    void forgetSwitch() { mSwitchAsked = false; }

private:
    bool handleSoundKey(const sf::Event::KeyEvent& key);

    WindowMode& mWindowMode;
    MasterVolume& mVolume;
    VolumeNotice& mNotice;
    CaptionFont& mFont;
    Preferences& mPreferences;
    bool mSwitchAsked = false;
    bool mSwitchKeyDown = false; // a held key repeats its press; only the first one counts
    bool mMuteKeyDown = false;
};
