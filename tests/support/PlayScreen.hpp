#pragma once

#include "gameplay/Game.hpp"
#include "support/FakeClock.hpp"
#include "support/FrameScript.hpp"
#include "support/TestSession.hpp"

#include <functional>

// The play screen with its frame steps and scene opened up. Tests play it
// through its own run() loop on the test clock; the steps stay reachable for
// looking at a single step (and for the benchmarks, which time them).
class PlayScreen : public Game
{
public:
    using Game::Game;

    // Runs the play screen's own loop. After each frame `next`, given the
    // frame's number (from 1), looks at the screen and returns the time that
    // passes before the next frame. The loop ends when play ends by itself,
    // when `next` calls endPlay() or closes the window, or after `maxFrames`,
    // when the window is closed so that a fault fails the test instead of
    // hanging it. Returns the number of frames played.
    int runFrames(const std::function<sf::Time(int frame)>& next, int maxFrames = 1000000)
    {
        int frames = 0;
        FrameScript::AfterEachFrame script(
            [&](sf::Window& window)
            {
                FakeClock::advance(next(++frames));
                if (frames >= maxFrames)
                    window.close();
            });
        run();
        return frames;
    }

    // Ends play as the rules do when a game is lost, with the window left open; with
    // no ship lost and no enemy through, there is nothing to hold still for.
    void endPlay() { mRunning = false; }

    using Game::effects;
    using Game::explosionSound;
    using Game::handleCollisions;
    using Game::isPlaying;
    using Game::processEvents;
    using Game::render;
    using Game::reserves;
    using Game::resources;
    using Game::sceneGraph;
    using Game::status;
    using Game::update;
};
