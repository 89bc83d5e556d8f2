#pragma once

#include <SFML/System/Time.hpp>

// Whether an enemy fires in a frame: the one place that decides it. As designed,
// an enemy rolls a die once a frame and fires on one face in its fire odds, so
// the more frames a machine draws, the more the enemies fire. Steady, the chance
// is the one a frame has at 60 frames a second, scaled by the frame's time:
// the same fire per second at any frame rate. Either way each decision draws
// the C library's generator once.
class FireChance
{
public:
    enum class Pace
    {
        PerFrame,
        PerSecond,
    };

    static constexpr double ReferenceFramesPerSecond = 60.0;

    explicit FireChance(Pace pace = Pace::PerFrame) : mPace(pace) {}

    // The chance per frame, for the game as designed.
    static const FireChance& asDesigned();

    // The chance that an enemy of these fire odds (at least 1) fires in a frame of this
    // time; a frame too long for the chance to stay below 1 fires once.
    double chance(int fireOdds, sf::Time frame) const;
    bool fires(int fireOdds, sf::Time frame) const;

    Pace pace() const { return mPace; }

private:
    Pace mPace;
};
