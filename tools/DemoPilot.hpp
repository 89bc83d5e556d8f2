#pragma once

#include "gameplay/Game.hpp"

#include <optional>
#include <string>

// The play screen played by a simple pilot instead of a player: it holds fire,
// sits under the enemy nearest the bottom, fetches falling power-ups and steps
// aside from enemy shots above it. Like a player it hands the scene one key
// event a frame. Its games are recorded as a player's are.
class DemoPilot : public Game
{
public:
    explicit DemoPilot(ScreenContext& context);

    // Plays frames of the given time until the game is lost or has lasted
    // `length`; the replay of what was played, and whether it lasted.
    struct Played
    {
        std::string replay;
        bool lasted = false;
        sf::Time length;
        int level = 1;
    };
    Played play(sf::Time length, sf::Time frame);

protected:
    KeyEvent handOver() override;

private:
    struct Keys
    {
        bool left = false;
        bool right = false;
        bool fire = false;
    };
    Keys wanted();

    Keys mHeld;
    KeyEvent mLast{sf::Keyboard::Unknown, false};
};
