#pragma once

#include <optional>

class CaptionFont;
class KeyBindings;
class MasterVolume;
class Preferences;
class VolumeNotice;
class WindowMode;

// What the player can change on any screen, by its keys or in the options:
// the sound, the window, the frame cap and the keys. Each change holds at
// once and is remembered; a change of the sound shows its word in the corner.
class Adjustments
{
public:
    // All of them outlive the adjustments.
    Adjustments(WindowMode& windowMode, MasterVolume& volume, VolumeNotice& notice,
                CaptionFont& font, Preferences& preferences);

    void toggleMute();
    void louder();
    void quieter();
    void setMusic(int music);
    void setEffects(int effects);
    void setMaxFps(std::optional<unsigned int> maxFps);
    void setKeys(const KeyBindings& keys);

    // Asking twice before the switch takes it back. The switch itself waits
    // for switchIfAsked: remaking the window drops whatever it still had
    // queued, so the events before the ask go out first.
    void askFullscreenSwitch() { mSwitchAsked = !mSwitchAsked; }
    void switchIfAsked();
    // The window closed: nothing is left to switch.
    void forgetSwitch() { mSwitchAsked = false; }
    bool isFullscreen() const;

    const MasterVolume& volume() const { return mVolume; }
    const Preferences& preferences() const { return mPreferences; }

private:
    void soundChanged();

    WindowMode& mWindowMode;
    MasterVolume& mVolume;
    VolumeNotice& mNotice;
    CaptionFont& mFont;
    Preferences& mPreferences;
    bool mSwitchAsked = false;
};
