#pragma once

#include "app/Session.hpp"
#include "gameplay/Game.hpp"

// The play screen with its frame steps opened up, so a test can drive single
// frames with a chosen time step and look at the scene in between.
class PlayScreen : public Game
{
public:
    using Game::Game;

    void frame(sf::Time deltaTime)
    {
        processEvents();
        update(deltaTime);
        render();
    }

    using Game::explosionSound;
    using Game::handleCollisions;
    using Game::isPlaying;
    using Game::processEvents;
    using Game::render;
    using Game::resources;
    using Game::sceneGraph;
    using Game::update;
};
