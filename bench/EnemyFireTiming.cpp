// Enemy fire per second on the real clock, at a frame cap of 30 and uncapped,
// at each pace of FireChance: steady (Relaxed and Practice) and once a frame
// (Normal, as designed).
//   vantorix_enemy_fire [seconds per run] [enemies]
// Prints one figure a line: name, value, unit.
#include "actors/Enemy.hpp"
#include "app/Level.hpp"
#include "foundation/FireChance.hpp"
#include "platform/FrameCap.hpp"
#include "resources/MediaFiles.hpp"
#include "support/NodeInternals.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace
{
// Kind 2 at this level has fire odds 20: three shots a second at 60 frames a second.
constexpr int Level16 = 16;
constexpr int Kind = 2;
constexpr float MissileSpeed = 600.f;

void printFigure(const std::string& name, double value, const std::string& unit)
{
    std::cout << name << ' ' << value << ' ' << unit << std::endl;
}

// Whether the enemy fired in the frame just updated: a missile fired in it is its
// last child and has flown exactly one frame's way from the enemy's bottom edge;
// an older one has flown farther.
bool firedInLastFrame(const SceneNode& enemy, sf::Time dt)
{
    const auto& missiles = NodeInternals::childrenOf(enemy);
    if (missiles.empty())
        return false;
    const sf::FloatRect body = enemy.getBoundingRect();
    const float launchedAt = body.top + body.height + MissileSpeed * dt.asSeconds();
    return std::abs(missiles.back()->getSpritePosition().y - launchedAt) < 0.02f;
}

struct Run
{
    double shotsPerSecond = 0.0; // of one enemy
    double framesPerSecond = 0.0;
};

Run measure(sf::RenderWindow& window, ResourceCache& resources, const sf::Sprite& sky,
            const FireChance& chance, std::optional<unsigned int> cap, int enemies, double seconds)
{
    SceneNode root;
    std::vector<const SceneNode*> shooters;
    for (int i = 0; i < enemies; ++i)
    {
        auto enemy = std::make_unique<Enemy>(
            &window, &resources, sf::Vector2f(20.f + 75.f * static_cast<float>(i), 40.f), Kind,
            sf::Vector2f(0.f, 0.f), chance);
        shooters.push_back(enemy.get());
        root.attachChild(std::move(enemy));
    }
    FrameCap frameCap(cap);
    sf::Clock clock;
    sf::Clock wall;
    long shots = 0;
    long frames = 0;
    while (wall.getElapsedTime().asSeconds() < seconds)
    {
        const sf::Time dt = clock.restart();
        sf::Event event;
        while (window.pollEvent(event))
        {
        }
        root.update(dt);
        for (const SceneNode* enemy : shooters)
            shots += firedInLastFrame(*enemy, dt);
        window.clear(sf::Color(0, 0, 0, 255));
        window.draw(sky);
        root.draw(window);
        window.display();
        frameCap.waitForNextFrame();
        ++frames;
    }
    const double elapsed = wall.getElapsedTime().asSeconds();
    return {static_cast<double>(shots) / enemies / elapsed, static_cast<double>(frames) / elapsed};
}

double argumentOr(int argc, char** argv, int index, double fallback)
{
    return argc > index ? std::atof(argv[index]) : fallback;
}
} // namespace

int main(int argc, char** argv)
{
    const double seconds = argumentOr(argc, argv, 1, 30.0);
    const int enemies = static_cast<int>(argumentOr(argc, argv, 2, 10));
    std::srand(static_cast<unsigned int>(std::time(nullptr)));
    Level().startAt(Level16);

    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix", sf::Style::Default,
                            sf::ContextSettings());
    ResourceCache resources;
    {
        // The cache's loading lines would land among the figures.
        std::ostringstream swallowed;
        std::streambuf* console = std::cout.rdbuf(swallowed.rdbuf());
        resources.load(Textures::EnemyC, MediaFiles::EnemyC);
        resources.load(Textures::Beam, MediaFiles::Beam);
        resources.load(Textures::Galaxy, MediaFiles::Galaxy);
        std::cout.rdbuf(console);
    }
    const sf::Sprite sky(resources.get(Textures::Galaxy));

    const struct
    {
        const char* name;
        FireChance chance;
    } paces[] = {{"steady", FireChance(FireChance::Pace::PerSecond)},
                 {"per_frame", FireChance(FireChance::Pace::PerFrame)}};
    for (const auto& pace : paces)
    {
        const Run capped = measure(window, resources, sky, pace.chance, 30u, enemies, seconds);
        const Run uncapped =
            measure(window, resources, sky, pace.chance, std::nullopt, enemies, seconds);
        const std::string name = std::string("enemy_fire.") + pace.name;
        printFigure(name + ".cap_30.shots_per_second", capped.shotsPerSecond, "shots/s");
        printFigure(name + ".cap_30.frames_per_second", capped.framesPerSecond, "frames/s");
        printFigure(name + ".uncapped.shots_per_second", uncapped.shotsPerSecond, "shots/s");
        printFigure(name + ".uncapped.frames_per_second", uncapped.framesPerSecond, "frames/s");
        printFigure(name + ".uncapped_over_cap_30", uncapped.shotsPerSecond / capped.shotsPerSecond,
                    "ratio");
    }
    printFigure("enemy_fire.nominal_shots_per_second", FireChance::ReferenceFramesPerSecond / 20.0,
                "shots/s");
    printFigure("enemy_fire.enemies", enemies, "enemies");
    printFigure("enemy_fire.seconds_per_run", seconds, "s");
    return 0;
}
