// Records games the pilot plays, for the demos shipped with the game and the
// bench's one-minute game:
//   demo_recorder FILE [--seconds N] [--seed N]
// Run it under a display (the play screen's pictures give its ships their
// sizes), from a folder that holds Media/. Frames are 1/60 s each and the
// generator is seeded with the seed, so one build records the same game every
// time. A game the pilot loses before N seconds is played again from the
// next seed, up to 100 times.
#include "DemoPilot.hpp"
#include "actors/Player.hpp"
#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "platform/Desktop.hpp"
#include "session/Session.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 2 || argc % 2 != 0)
    {
        std::cerr << "usage: demo_recorder FILE [--seconds N] [--seed N]\n";
        return 2;
    }
    float seconds = 60.f;
    unsigned int seed = 1;
    for (int i = 2; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i];
        if (option == "--seconds")
            seconds = std::strtof(argv[i + 1], nullptr);
        else if (option == "--seed")
            seed = static_cast<unsigned int>(std::strtoul(argv[i + 1], nullptr, 10));
        else
        {
            std::cerr << "demo_recorder: unknown option " << option << '\n';
            return 2;
        }
    }

    sf::RenderWindow window;
    Desktop desktop;
    Options quiet;
    quiet.muted = true;
    Session session(window, desktop, quiet);
    for (unsigned int attempt = 0; attempt < 100; ++attempt, ++seed)
    {
        // Every attempt starts as the first game of a run does.
        Level().resetLevel();
        Player::sShipCount = 1;
        Player::sFireRate = 2.f;
        Player::sSpeed = Player::sDefaultSpeed;
        PowerUpDropper::sKillCount = 0;
        std::srand(seed);
        DemoPilot pilot(session.context());
        const DemoPilot::Played played = pilot.play(sf::seconds(seconds), sf::microseconds(16667));
        if (!played.lasted)
            continue;
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << played.replay;
        if (!out.flush())
        {
            std::cerr << "demo_recorder: cannot write " << argv[1] << '\n';
            return 1;
        }
        std::cerr << "demo_recorder: " << argv[1] << ": seed " << seed << ", "
                  << played.length.asSeconds() << " s, level " << played.level << ", "
                  << played.replay.size() << " bytes\n";
        return 0;
    }
    std::cerr << "demo_recorder: the pilot lost every game before " << seconds << " s\n";
    return 1;
}
