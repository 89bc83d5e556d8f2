#pragma once

#include <SFML/System/Time.hpp>

// Whether an enemy fires in a frame: the one place that decides it. As designed,
// an enemy rolls a die once a frame and fires on one face in its fire odds, so
// the more frames a machine draws, the more the enemies fire. Steady, the chance
// is the one a frame has at 60 frames a second, scaled by the frame's time:
// the same fire per second at any frame rate. Either way each decision draws
// the C library's generator once.
//
// A game slowed by the player's game speed (a pace below 1) keeps the shots a
// second of its play holds: per frame, the die gets odds / pace faces; per
// second, the frame's time is already play's slowed time and is taken as it is.
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
    // time (play's, already scaled by the pace); a frame too long for the chance to stay
    // below 1 fires once. The pace is play's share of full speed, above 0.
    double chance(int fireOdds, sf::Time frame, float pace = 1.f) const;
    bool fires(int fireOdds, sf::Time frame, float pace = 1.f) const;

    Pace pace() const { return mPace; }

private:
    Pace mPace;
};
