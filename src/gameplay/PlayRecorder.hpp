#pragma once

#include "replay/ReplayWriter.hpp"

#include <SFML/System/Time.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <optional>
#include <string>

class SceneNode;

// Records a game as it is played, for its replay: what it started from, then
// each frame's time, the key event the scene was handed and the play state it
// came to. A frame is laid down once the next one comes, so that the last can
// say how the game ended.
class PlayRecorder
{
public:
    // The game's mode goes in the header, to be played again by its rules.
    explicit PlayRecorder(PlayMode mode) : mMode(mode) {}

    // Right before a frame is played: the first takes the generator and the
    // shared values as they stand.
    void beforeFrame();
    // Since the frame before, the game was paused; losing the focus let every play key go.
    void paused() { mPausedBefore = true; }
    void keysLetGo() { mKeysLetGo = true; }
    // A frame played: its time, the key event handed to the scene, where play
    // stands after it, the play time so far and the game's speed in per cent.
    void played(sf::Time frame, sf::Keyboard::Key key, bool pressed, const SceneNode& scene,
                sf::Time playTime, int pace);

    // The replay's bytes, the last frame saying how the game ended; none for a
    // game without a frame, or one that cannot be replayed.
    std::optional<std::string> finish(Replay::Ending ending);

private:
    void layDown(bool last);

    PlayMode mMode;
    std::optional<ReplayWriter> mWriter;
    std::optional<Replay::Frame> mPending;
    sf::Time mNextCheck;
    bool mCheckDue = false;
    bool mPausedBefore = false;
    bool mKeysLetGo = false;
    bool mUnrecordable = false; // a frame no replay can hold
    int mPace = Replay::FullPace;
};
