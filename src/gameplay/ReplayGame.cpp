#include "gameplay/ReplayGame.hpp"

#include "config/ShownText.hpp"
#include "gameplay/Command.hpp"

#include <SFML/System/Sleep.hpp>

#include <algorithm>
#include <iostream>

ReplayGame::ReplayGame(ScreenContext& context, ReplayReader replay, Showing showing)
    : Game(context, PlayState::rulesOf(replay.header())), mReplay(std::move(replay)),
      mShowing(showing)
{
    stopRecording();
    PlayState::apply(mReplay.header());
    setPace(Replay::FullPace);
}

ReplayGame::~ReplayGame() = default;

const ReplayGame::Verdict& ReplayGame::check()
{
    while (!mVerdict.firstDiffering && step())
    {
    }
    return mVerdict;
}

// Frames are shown at the moments they were played; a viewer behind that pace
// plays the frames it missed without drawing them, a few at a time so that
// the window still answers. A stall the recorded game went through (a machine
// put to sleep) is shown for a second at most.
void ReplayGame::playFrame(sf::Time)
{
    const sf::Time longestWait = sf::seconds(1.f);
    constexpr int MostFramesUndrawn = 100;
    if (!mDue)
        mDue = clock().liveNow();
    int played = 0;
    do
    {
        if (!step())
            return;
        // A slowed game is shown at the pace it was played at.
        *mDue += sf::microseconds(mFrame.micros * Replay::FullPace / pace());
    } while (isPlaying() && *mDue < clock().liveNow() && ++played < MostFramesUndrawn);
    const sf::Time ahead = *mDue - clock().liveNow();
    if (ahead > longestWait)
        *mDue -= ahead - longestWait;
    if (ahead > sf::Time::Zero)
        sf::sleep(std::min(ahead, longestWait));
}

bool ReplayGame::step()
{
    if (!mReplay.next(mFrame))
    {
        leaveToTitle();
        return false;
    }
    if (mFrame.keysLetGo)
        letKeysGo();
    if (mFrame.pace)
        setPace(*mFrame.pace);
    update(sf::microseconds(mFrame.micros));
    ++mVerdict.frames;
    mVerdict.played += sf::microseconds(mFrame.micros);

    // Play must have come where it came in the recording, and have ended, or
    // not, as the recorded game had.
    const Replay::Check now = PlayState::check(sceneGraph());
    const bool lost = mFrame.ending == Replay::Ending::Lost;
    const bool same = PlayState::digestOf(now) == mFrame.digest &&
                      (!mFrame.check || *mFrame.check == now) && (mFrame.ending || isPlaying()) &&
                      (!lost || !isPlaying());
    if (!same && !mVerdict.firstDiffering)
    {
        mVerdict.firstDiffering = mVerdict.frames;
        if (mShowing == Showing::Watched)
            std::cerr << "vantorix: the replay plays differently from frame " << mVerdict.frames
                      << " on (it was recorded by "
                      << ShownText::escaped(mReplay.header().gameVersion) << ")" << std::endl;
    }
    if (mFrame.ending && !lost)
        leaveToTitle();
    else if (mFrame.ending)
        mRunning = false;
    return true;
}

Game::KeyEvent ReplayGame::handOver()
{
    sceneGraph().handleInput(mFrame.key, mFrame.pressed);
    return {mFrame.key, mFrame.pressed};
}

bool ReplayGame::takesFirst(const Input& input)
{
    if (mShowing == Showing::Demo)
    {
        const bool ends = input.isPress() || input.type == Input::Type::Click;
        if (ends)
            leaveToTitle();
        // Another window taking the keyboard does not pause a demo.
        return ends || input.type == Input::Type::FocusLost;
    }
    if (isPaused() || !input.isFreshPress() || input.menu != MenuControl::Back)
        return false;
    leaveToTitle();
    return true;
}
