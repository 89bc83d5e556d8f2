#pragma once

#include "app/GameState.hpp"
#include "gameplay/Command.hpp"
#include "menus/PagesOver.hpp"
#include "platform/StillPicture.hpp"
#include "presentation/RecordCaption.hpp"
#include "replay/ReplayReader.hpp"
#include "resources/ResourceCache.hpp"
#include "screens/IdleDemo.hpp"
#include "session/Adjustments.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Vector2.hpp>

#include <optional>
#include <utility>

struct ScreenContext;

// The title screen: plays its song, lights Play, Options or Exit under the
// pointer or as the keys (or a gamepad) move, whichever moved last, and ends
// when the player picks Play or Exit or closes the window. Options opens the
// options over the picture, with the song playing on. Asked to play at once
// (the player chose to play again from the game-over screen), it loads as
// ever and then starts the game without waiting. The options' Replays page
// ends it with a replay to watch; left alone, it may play a demo.
class Menu : public GameState
{
public:
    explicit Menu(ScreenContext& context, bool playAtOnce = false);
    ~Menu() override;

    void run() override;
    // The replay the player chose to watch, if any.
    std::optional<ReplayReader> takeReplay() { return std::exchange(mWatch, std::nullopt); }

    // One frame's input and drawing, and the loop's flag, stay reachable from
    // a subclass so that a test can drive single frames.
protected:
    // True if the frame drew the picture: only when it has changed.
    bool showFrame();
    bool isMenuShown() const;
    bool areOptionsOpen() const { return mPages.isOpen(); }
    sf::Sound& hoverSound() { return mHoverSound; }
    const sf::Music& song() const { return mMusic; }

private:
    void loadTextures();
    void loadSounds();
    void applyTextures();
    void applySounds();
    void openMusic();

    void showLoop();
    void processEvents();
    void updateHover();
    void handleClick();
    void handlePress(const Input& input);
    void light(int highlight);
    void choose(int highlight);
    void openOptions();
    void playDemo();
    bool isMouseOverPlay() const;
    bool isMouseOverExit() const;
    sf::Vector2i pointerOnImage(sf::Vector2i inWindow) const;
    void showCorner();

    bool mShowMenu;
    bool mHoverSoundArmed;
    sf::Sprite mNeutralSprite;
    sf::Sprite mPlaySprite;
    sf::Sprite mExitSprite;
    sf::Texture mOptionsLitTexture;
    sf::Sprite mOptionsLit;  // over the picture's own Options while it is lit
    ScreenContext* mContext; // the entry point's context and window outlive every screen
    sf::RenderWindow* mWindow;
    int mHighlight;                       // 0 Exit lit, 1 neutral, 2 Play lit, 3 Options lit
    std::optional<sf::Vector2i> mPointer; // where the pointer was last seen in the window
    // Declared before the sound, so the buffer outlives the sound playing it.
    ResourceCache mResources;
    Command mCommand;
    sf::Sound mHoverSound;
    sf::Music mMusic;
    bool mSongOpened = false;
    bool mPlayAtOnce;
    RecordCaption mBestCaption;
    PagesOver mPages;
    StillPicture mStill;
    Adjustments::Watch mMusicVolume;
    Adjustments::Watch mLanguage;
    IdleDemo mIdleDemo;
    std::optional<ReplayReader> mWatch;
};
