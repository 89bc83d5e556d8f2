#pragma once

// How loud everything the game plays is, song and effects alike, and whether
// it is muted. Every change is applied at once, to sounds already playing too.
class MasterVolume
{
public:
    static constexpr int Loudest = 100;
    static constexpr int Step = 10;

    MasterVolume(bool muted, int volume);

    bool isMuted() const { return mMuted; }
    int volume() const { return mVolume; }

    void toggleMute();
    // A step up or down, within 0 to 100. Changing the volume unmutes: the
    // player wants to hear the new level.
    void louder();
    void quieter();

private:
    void setVolume(int volume);
    void apply() const;

    bool mMuted;
    int mVolume;
};
