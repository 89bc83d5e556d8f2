#pragma once

#include "app/GameState.hpp"
#include "presentation/RecordCaption.hpp"
#include "resources/ResourceCache.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/Window/Event.hpp>

struct ScreenContext;

// The game-over screen: shows its image for four seconds, with one lose sound
// at once and a second after two. After its first second, the keys that start
// play (Enter, Space, a fire key, a pad's A) end it at once. It acts on no
// other events: what works on every screen (resizing, fullscreen) still does,
// and whatever else the player does meanwhile waits for the menu that follows.
class LoseScreen : public GameState
{
public:
    explicit LoseScreen(ScreenContext& context);
    ~LoseScreen() override;

    void run() override;

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
    bool isRetryKey(const sf::Event& event) const;

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
    bool mShowing;
    bool mLose2Played;
};
