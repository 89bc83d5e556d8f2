#pragma once

#include "config/SettingsTable.hpp"

#include <SFML/System/Clock.hpp>

#include <functional>
#include <vector>

class CaptionFont;
class MasterVolume;
class Preferences;
class VolumeNotice;
class WindowMode;

// What the player changes on any screen, by the keys every screen answers or
// in the options. Each change holds at once, is applied once (the sound, the
// window, and whatever a screen that watches it sets going), and is written
// to the settings when it matters: when the options are left, within a
// second of the keys that changed it, and at the end.
class Adjustments
{
public:
    // All of them outlive the adjustments.
    Adjustments(WindowMode& windowMode, MasterVolume& volume, VolumeNotice& notice,
                CaptionFont& font, Preferences& preferences);
    ~Adjustments();

    void change(const SettingValues& values);

    // The keys every screen answers; what they change is kept within a second.
    void toggleMute();
    void louder();
    void quieter();
    // Asking twice before the switch takes it back. The switch itself waits
    // for switchIfAsked: remaking the window drops whatever it still had
    // queued, so the events before the ask go out first.
    void askFullscreenSwitch();
    void switchIfAsked();
    // The window closed: nothing is left to switch.
    void forgetSwitch();
    bool isFullscreen() const;

    // Writes what changed, if anything.
    void keep();
    // After each round of events: what the keys changed is written at most
    // once a second, so a held - or + never stalls the frames.
    void keepWhenDue();

    // A screen that follows a kind of setting hears of each change to it
    // while the watch lasts.
    class Watch
    {
    public:
        Watch() = default;
        Watch(Watch&& other) noexcept;
        Watch& operator=(Watch&& other) noexcept;
        ~Watch();

    private:
        friend class Adjustments;
        Watch(Adjustments* adjustments, int id) : mAdjustments(adjustments), mId(id) {}
        Adjustments* mAdjustments = nullptr;
        int mId = 0;
    };
    using Watcher = std::function<void(const SettingValues& values)>;
    [[nodiscard]] Watch watch(SettingsTable::Applies kind, Watcher watcher);

    const MasterVolume& volume() const { return mVolume; }
    const Preferences& preferences() const { return mPreferences; }

private:
    struct Watching
    {
        int id;
        SettingsTable::Applies kind;
        Watcher watcher;
    };

    void changeByKey(const SettingValues& values);
    void apply(SettingsTable::Applies kind, const SettingValues& values);

    WindowMode& mWindowMode;
    MasterVolume& mVolume;
    VolumeNotice& mNotice;
    CaptionFont& mFont;
    Preferences& mPreferences;
    std::vector<Watching> mWatching;
    int mLastWatch = 0;
    bool mKeepSoon = false;
    sf::Clock mSinceKept;
};
