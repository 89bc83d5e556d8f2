#pragma once

#include "app/GameState.hpp"
#include "presentation/RecordCaption.hpp"
#include "resources/ResourceCache.hpp"
#include "session/Input.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

struct ScreenContext;

// The game-over screen: shows its image for four seconds, with one lose sound
// at once and a second after two. After its first second it says how to leave
// it early: a fresh press of Accept or Fire (Enter, Space, a fire key, a pad's
// A) plays again at once, Back (Escape, a pad's B) goes to the title menu at
// once; a key held since play, or its repeats, counts for nothing. It acts on
// no other input: what works on every screen (resizing, fullscreen) still
// does, and a click or a close request waits for the menu that follows.
class LoseScreen : public GameState
{
public:
    // After a replay, which sets no record, the picture shows without one.
    explicit LoseScreen(ScreenContext& context, bool showsRecord = true);
    ~LoseScreen() override;

    void run() override;

    // The player asked to play again at once.
    bool playsAgain() const { return mPlaysAgain; }

    // The sounds stay reachable from a subclass so that a test can follow them.
protected:
    sf::Sound& loseSound() { return mLoseSound; }
    sf::Sound& secondLoseSound() { return mLose2Sound; }

private:
    void loadTextures();
    void loadSounds();
    void applyTextures();
    void applySounds();

    void showLoop();
    bool isShowing() const;
    bool leavesEarly(const Input& input);

    // First, so that loading the files counts against the screen's time.
    sf::Clock mClock;
    sf::Time mElapsed;
    // Declared before the sounds, so the buffers outlive the sounds playing them.
    ResourceCache mResources;
    ScreenContext* mContext; // the entry point's context and window outlive every screen
    sf::RenderWindow* mWindow;
    sf::Sprite mLoseSprite;
    sf::Sound mLoseSound;
    sf::Sound mLose2Sound;
    RecordCaption mRecordCaption;
    sf::Text mKeysHint;
    bool mShowing;
    bool mLose2Played;
    bool mPlaysAgain = false;
};
