#pragma once

#include <SFML/System/Clock.hpp>
#include <SFML/System/NonCopyable.hpp>
#include <SFML/System/Time.hpp>

#include <optional>

// The play screen's time: the wall clock less every stretch the game spent
// paused. Every game timer reads it through a GameTimer, so stopping this one
// clock stops them all; the screen that owns it decides when time runs.
//
// Once the screen drives it a frame at a time, every timer reads the time the
// frames have added up to, the same all through a frame: a game is then a
// matter of its frames' times, whatever the machine did in between.
class GameClock : private sf::NonCopyable
{
public:
    // Running, from zero.
    GameClock() = default;

    sf::Time now() const;
    // The wall clock less the pauses, however the clock is driven.
    sf::Time liveNow() const;
    // From now on the clock reads what the frames add up to: zero until the
    // first one.
    void drive() { mDriven = sf::Time::Zero; }
    // The next frame's time, when the clock is driven.
    void advance(sf::Time frame);

    // How fast play runs, as a share of full speed (the player's game speed): the
    // play screen hands play each frame's time scaled by it, and a chance taken once
    // a frame shrinks by it, so that everything slows alike. Full speed unless set.
    float pace() const { return mPace; }
    void setPace(float share) { mPace = share; }
    // A frame of wall time as play lives it; at full speed exactly the frame.
    sf::Time paced(sf::Time frame) const;

    // Stopping a stopped clock or starting a running one changes nothing.
    void stop();
    void start();
    bool isRunning() const { return !mStoppedAt.has_value(); }

private:
    sf::Clock mWallClock;
    sf::Time mTimeStopped;              // every pause that has ended, added up
    std::optional<sf::Time> mStoppedAt; // wall time at which the current pause began
    std::optional<sf::Time> mDriven;    // the frames' time, once they drive the clock
    float mPace = 1.f;
};
