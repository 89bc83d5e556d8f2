#include "gameplay/PlayRecorder.hpp"

#include "gameplay/PlayState.hpp"

void PlayRecorder::beforeFrame()
{
    if (mWriter)
        return;
    Replay::Header header = PlayState::header();
    header.mode = mMode;
    mWriter.emplace(header);
}

void PlayRecorder::played(sf::Time frame, sf::Keyboard::Key key, bool pressed,
                          const SceneNode& scene, sf::Time playTime, int pace)
{
    if (mPending)
        layDown(false);
    const Replay::Check check = PlayState::check(scene);
    Replay::Frame next;
    next.micros = frame.asMicroseconds();
    next.key = key;
    next.pressed = pressed;
    next.pausedBefore = mPausedBefore;
    next.keysLetGo = mKeysLetGo;
    if (pace != mPace)
        next.pace = mPace = pace;
    next.digest = PlayState::digestOf(check);
    next.check = check;
    mPending = next;
    mPausedBefore = mKeysLetGo = false;
    mUnrecordable = mUnrecordable || next.micros < 0 || next.micros > Replay::LongestFrameMicros;
    // A check with the first frame after every few seconds of play.
    mCheckDue = playTime >= mNextCheck;
    if (mCheckDue)
        mNextCheck = playTime + sf::microseconds(Replay::CheckEveryMicros);
}

void PlayRecorder::layDown(bool last)
{
    if (!last && !mCheckDue)
        mPending->check.reset();
    mWriter->add(*mPending);
    mPending.reset();
}

std::optional<std::string> PlayRecorder::finish(Replay::Ending ending)
{
    if (!mPending || mUnrecordable)
        return std::nullopt;
    mPending->ending = ending;
    layDown(true);
    return mWriter->bytes();
}
