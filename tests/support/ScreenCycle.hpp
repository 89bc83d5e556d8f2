#pragma once

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>

#include <cstddef>
#include <functional>

class Game;

// One menu -> play -> game-over cycle in this process, each screen made and
// run as the entry point does, on the test clock: the menu is left with a
// click on Play, a step of time passes after each play frame (play is ended
// at its time limit), and the game-over screen's loop runs while each of its
// clock readings lets a step pass. A screen that does not end within its
// limit has its window closed, so a fault ends the cycle instead of hanging it.
namespace ScreenCycle
{
struct Limits
{
    sf::Time step = sf::seconds(0.05f);
    sf::Time playTime = sf::seconds(120.f);
    int menuFrames = 5000;
    int loseScreenFrames = 400;
    bool opensWindow = false; // again, as the game opens it: with its icon
};

struct Outcome
{
    bool menuEndedOnPlay = false;
    bool songPlayed = false;
    bool playEndedByItself = false;
    sf::Time playTime;
    std::size_t mostNodes = 0;
    bool loseScreenEnded = false;
};

// Runs in every play frame after the frame, e.g. to look at the scene or steer.
using PlayHook = std::function<void(Game& play, sf::Time played)>;

Outcome run(sf::RenderWindow& window, const Limits& limits, const PlayHook& duringPlay = {});
} // namespace ScreenCycle
