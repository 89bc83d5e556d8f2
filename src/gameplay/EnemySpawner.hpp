#pragma once

#include "app/Level.hpp"
#include "foundation/FireChance.hpp"
#include "foundation/GameTimer.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

class ResourceCache;
class SceneNode;

// Decides when and where enemies enter, which kind comes next, when the boss
// comes and when the level rises. A level is four phases: three of ordinary
// enemies, one per kind, then the boss phase, which lasts until the boss dies.
// It keeps time of its own on the play screen's clock, not the frame time.
class EnemySpawner
{
public:
    // Every enemy it makes fires by the given chance, which outlives them all.
    EnemySpawner(sf::RenderWindow* window, ResourceCache* resources, const GameClock& clock,
                 const FireChance& fireChance = FireChance::asDesigned());

    void update(SceneNode* root);

private:
    void updatePhase();
    int nextPhase();
    bool isSpawnDue();
    sf::Vector2f randomSpawnPosition() const;

    // Both belong to the play screen, which outlives its spawner.
    sf::RenderWindow* mWindow; // only handed to the enemies, which draw into it
    ResourceCache* mResources;
    const FireChance* mFireChance;
    sf::Time mSpawnElapsed;
    sf::Time mPhaseElapsed;
    GameTimer mPhaseClock;
    GameTimer mSpawnClock;
    int mPhase;
    Level mLevel;
    unsigned int mSpawnInterval;
    unsigned int mPhaseDuration;
    bool mBossSpawned;
};
