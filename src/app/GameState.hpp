#pragma once

// A screen of the game. The entry point owns each screen through a
// std::unique_ptr<GameState> and hands it the window for one run().
class GameState
{
public:
    GameState() = default;
    virtual ~GameState() = default;

    virtual void run() = 0;

protected:
    // Only the play screen loops on this flag; the menu and the lose screen keep their own.
    bool mRunning = true;
};
