#include "actors/Boss.hpp"
#include "app/Level.hpp"
#include "gameplay/Category.hpp"
#include "support/ConsoleCapture.hpp"
#include "support/FakeClock.hpp"
#include "support/NodeInternals.hpp"
#include "support/PlayScreen.hpp"
#include "support/SharedState.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <limits>
#include <sstream>
#include <unordered_map>
#include <vector>

namespace
{
const sf::Time Step = sf::seconds(1.f / 60.f);
const sf::Time HalfAnHour = sf::seconds(30.f * 60.f);
constexpr int FirstLevel = 5;
constexpr int LevelsTried = 4; // games start at levels 5 to 8 in turn
constexpr int FramesPerDrawnFrame = 300;

// Anything that comes and goes during play leaves by an edge of the window or
// at the wall, well within this time (the slowest enemy crosses the window in
// about half a minute). The boss stays until it is shot down.
const sf::Time LongestStay = sf::seconds(120.f);
// Farther than this outside the window nothing can come back.
constexpr float OutsideMargin = 400.f;

bool comesAndGoes(int category)
{
    switch (category)
    {
    case Category::Enemy:
    case Category::PlayerMissile:
    case Category::EnemyMissile:
    case Category::ExtraShipPowerUp:
    case Category::FireRatePowerUp:
    case Category::SpeedPowerUp:
        return true;
    default:
        return false;
    }
}

void startAtLevel(int level)
{
    Level().resetLevel();
    while (Level::getLevel() < level)
        Level::nextLevel();
}

// The player's ships fire without pause and slide under the lowest enemy.
void steer(SceneNode& root)
{
    std::vector<SceneNode*> ships;
    const SceneNode* lowestEnemy = nullptr;
    NodeInternals::forEachNode(
        root,
        [&](SceneNode& node)
        {
            if (node.getCategory() == Category::Player)
                ships.push_back(&node);
            if (node.getCategory() == Category::Enemy && !node.isDestroyed() &&
                (lowestEnemy == nullptr ||
                 node.getSpritePosition().y > lowestEnemy->getSpritePosition().y))
                lowestEnemy = &node;
        });
    bool left = false;
    bool right = false;
    if (!ships.empty() && lowestEnemy != nullptr)
    {
        const sf::FloatRect target = lowestEnemy->getBoundingRect();
        const sf::FloatRect ship = ships.front()->getBoundingRect();
        const float gap = (target.left + target.width / 2) - (ship.left + ship.width / 2);
        left = gap < -4.f;
        right = gap > 4.f;
    }
    root.handleInput(sf::Keyboard::Left, left);
    root.handleInput(sf::Keyboard::Right, right);
    root.handleInput(sf::Keyboard::Up, true);
}

struct Findings
{
    int games = 0;
    int highestLevel = 0;
    std::size_t mostNodes = 0;
    std::vector<std::string> faults;
};

// Follows every node that comes and goes from the frame it is first seen.
class Lifetimes
{
public:
    void look(SceneNode& root, sf::Time now, const sf::Vector2u& window, Findings& findings)
    {
        std::unordered_map<const SceneNode*, sf::Time> seen;
        NodeInternals::forEachNode(
            root,
            [&](SceneNode& node)
            {
                if (!comesAndGoes(node.getCategory()))
                    return;
                auto known = mFirstSeen.find(&node);
                const sf::Time since = known == mFirstSeen.end() ? now : known->second;
                seen.emplace(&node, since);
                const bool isBoss = dynamic_cast<Boss*>(&node) != nullptr;
                if (!isBoss && now - since > LongestStay)
                    report(findings, node, "has stayed longer than any path through the window");
                const sf::Vector2f at = node.getSpritePosition();
                if (at.x < -OutsideMargin || at.y < -OutsideMargin ||
                    at.x > static_cast<float>(window.x) + OutsideMargin ||
                    at.y > static_cast<float>(window.y) + OutsideMargin)
                    report(findings, node, "is far outside the window");
            });
        mFirstSeen.swap(seen);
    }

    void forget() { mFirstSeen.clear(); }

private:
    static void report(Findings& findings, SceneNode& node, const std::string& what)
    {
        if (findings.faults.size() >= 10)
            return;
        std::ostringstream text;
        text << "a node of category " << node.getCategory() << " at (" << node.getSpritePosition().x
             << ", " << node.getSpritePosition().y << ") " << what;
        findings.faults.push_back(text.str());
    }

    std::unordered_map<const SceneNode*, sf::Time> mFirstSeen;
};
} // namespace

// Half an hour of play at levels 5 and beyond, game after game, with a ship
// that keeps firing: the tree stays small and nothing stays in it for good.
TEST(LongPlay, HalfAnHourFromLevelFiveKeepsTheTreeBoundedAndEmptiesIt)
{
    srand(5);
    const SharedState::Restorer restoresSharedState;
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix test");
    TestSession session(window);
    ScopedWorkingDirectory inMedia(TestFolders::withMedia());
    auto console = std::make_unique<ConsoleCapture>();

    Findings findings;
    Lifetimes lifetimes;
    sf::Time played;
    while (played < HalfAnHour && findings.faults.empty())
    {
        startAtLevel(FirstLevel + findings.games % LevelsTried);
        PlayScreen play(session);
        ++findings.games;
        lifetimes.forget();
        for (long frame = 0; play.isPlaying() && played < HalfAnHour; ++frame)
        {
            FakeClock::advance(Step);
            played += Step;
            // The ships are steered straight through the tree, so the window's
            // event queue (a round trip to the X server per frame) is left alone.
            play.sceneGraph().startFrame();
            play.update(Step);
            if (frame % FramesPerDrawnFrame == 0)
                play.render();
            steer(play.sceneGraph());
            findings.highestLevel = std::max(findings.highestLevel, Level::getLevel());
            findings.mostNodes =
                std::max(findings.mostNodes, NodeInternals::countNodes(play.sceneGraph()));
            lifetimes.look(play.sceneGraph(), played, window.getSize(), findings);
            if (!findings.faults.empty())
                break;
        }
    }
    console.reset();

    std::cout << "played " << played.asSeconds() << " s in " << findings.games
              << " games, highest level " << findings.highestLevel << ", most nodes "
              << findings.mostNodes << std::endl;
    EXPECT_GE(played, HalfAnHour);
    EXPECT_GE(findings.highestLevel, FirstLevel + LevelsTried - 1);
    EXPECT_LT(findings.mostNodes, 300u);
    for (const std::string& fault : findings.faults)
        ADD_FAILURE() << "after " << played.asSeconds() << " s: " << fault;
}
