#pragma once

#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

struct ScreenContext;

// The title menu's demo, when the player chose one: after a while without any
// input, one of the demos shipped with the game plays, each in turn, until it
// ends or the player presses any key or button or clicks.
class IdleDemo
{
public:
    static const sf::Time IdleFor;

    // The player did something: the wait starts again.
    void stir() { mIdle.restart(); }
    bool isDue(const ScreenContext& context) const;
    // Plays the next demo through; false when there was none to play.
    bool play(ScreenContext& context);

private:
    sf::Clock mIdle;
};
