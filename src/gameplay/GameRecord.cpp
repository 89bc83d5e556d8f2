#include "gameplay/Game.hpp"

#include "config/BestLevel.hpp"
#include "gameplay/Command.hpp"
#include "gameplay/PlayRecorder.hpp"
#include "replay/ReplayFiles.hpp"
#include "session/ScreenContext.hpp"

#include <algorithm>
#include <iostream>

// What the game keeps of itself: the key events its scene was handed, its
// mode's best level and its replay. A game played again keeps nothing.

static_assert(Command::PlayKeys.size() == 3, "Game::mHeld holds one flag for each play key");

Game::KeyEvent Game::handOver()
{
    const Command::KeyEvent handed = mCommand->handOver(mSceneGraph);
    return {handed.key, handed.pressed};
}

bool Game::handOverKeysLetGo()
{
    return mCommand->handOverKeysLetGo(mSceneGraph);
}

void Game::letKeysGo()
{
    for (sf::Keyboard::Key key : Command::PlayKeys)
        mSceneGraph.handleInput(key, false);
    mHeld.fill(false);
}

void Game::hear(const KeyEvent& handed)
{
    const auto found = std::find(Command::PlayKeys.begin(), Command::PlayKeys.end(), handed.key);
    if (found != Command::PlayKeys.end())
        mHeld[static_cast<std::size_t>(found - Command::PlayKeys.begin())] = handed.pressed;
}

void Game::stopRecording()
{
    mRecorder.reset();
}

// The level reached is read before it goes back to 1. Practice counts for no
// record; best.vxr is the game that set the best level of Normal games.
void Game::keepTheGame()
{
    if (!mRecorder)
        return;
    bool setsRecord = false;
    if (mRules.keepsRecord())
        setsRecord =
            mContext->bestLevelOf(mRules.mode).record(Level::getLevel(), std::cerr).setsRecord;
    const bool lost = !mRunning && !mQuitToTitle;
    if (const auto replay = mRecorder->finish(lost ? Replay::Ending::Lost : Replay::Ending::Left))
        ReplayFiles::keep(*replay, setsRecord && mRules.mode == PlayMode::Normal, std::cerr);
}
