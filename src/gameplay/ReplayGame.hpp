#pragma once

#include "gameplay/Game.hpp"
#include "gameplay/PlayState.hpp"
#include "replay/ReplayReader.hpp"

#include <cstddef>
#include <optional>

// A recorded game played again on the play screen: the generator and the
// shared values as the game began, then each frame's recorded time and key
// event instead of the player's, every frame checked against the recording.
// Watched, it runs in the window at the recorded pace, catching up without
// drawing when the machine or a frame cap falls behind; a pause works, and
// Escape leaves for the title menu. As the title menu's demo it ends at once
// at any key, click or pad button. Checked, it plays every frame as fast as it
// can, drawing nothing. It is played by the recorded game's mode from its
// start level, records nothing and counts for no best level, and once it goes
// the player's next game is as it would have been: the stash, a base, is
// taken before the play screen sets the replay's start in place.
class ReplayGame : private PlayState::Stash, public Game
{
public:
    enum class Showing
    {
        Watched,
        Demo,
        Checked, // by --verify-replay, which reports what differs itself
    };

    struct Verdict
    {
        std::size_t frames = 0; // played so far
        sf::Time played;        // their time
        // The first frame whose play state is not the recording's.
        std::optional<std::size_t> firstDiffering;
    };

    ReplayGame(ScreenContext& context, ReplayReader replay, Showing showing = Showing::Watched);
    ~ReplayGame() override;

    // Plays every frame at once, drawing nothing, up to the first that differs.
    const Verdict& check();
    const Verdict& verdict() const { return mVerdict; }
    const ReplayReader& replay() const { return mReplay; }

protected:
    void playFrame(sf::Time measured) override;
    KeyEvent handOver() override;
    // The viewer's keys are not the scene's: only the recorded ones are.
    bool handOverKeysLetGo() override { return false; }
    bool takesFirst(const Input& input) override;
    // The recorded game's speed holds, whatever the viewer chooses.
    void followPace(int) override {}
    // Plays the next recorded frame and checks it; false after the last.
    bool step();

private:
    ReplayReader mReplay;
    Showing mShowing;
    Replay::Frame mFrame;
    std::optional<sf::Time> mDue; // when the frame played last is due on the game's clock
    Verdict mVerdict;
};
