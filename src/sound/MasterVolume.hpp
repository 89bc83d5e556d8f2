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

    void set(bool muted, int volume);

private:
    void apply() const;

    bool mMuted;
    int mVolume;
};
