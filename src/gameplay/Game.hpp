#pragma once

#include "app/GameState.hpp"
#include "app/Level.hpp"
#include "foundation/FireChance.hpp"
#include "foundation/GameClock.hpp"
#include "foundation/PlayRules.hpp"
#include "gameplay/Category.hpp"
#include "gameplay/ShipReserves.hpp"
#include "presentation/BattleEffects.hpp"
#include "presentation/ShotLook.hpp"
#include "resources/ResourceCache.hpp"
#include "scene/SceneNode.hpp"
#include "session/Adjustments.hpp"
#include "session/Input.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Time.hpp>

#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

class Command;
class EnemySpawner;
class FrameCap;
class PauseMenu;
class PlayRecorder;
class ScoreBoard;
class StatusDisplay;
struct ScreenContext;

// The play screen: loads its media, builds the scene and runs a variable
// time step frame loop until the player loses or the window is closed. The
// player may pause it: the game's clock and sounds stop, and the frames show
// the still field, dimmed, under the pause menu until the player goes on, or
// quits to the title menu. When the player chose it, a lost game's field holds
// still for a moment under the burst where it was lost before the screen ends.
class Game : public GameState
{
public:
    explicit Game(ScreenContext& context);
    ~Game() override;

    void run() override;

    bool isPaused() const { return !mClock.isRunning(); }
    // The player left the game from the pause menu: the title menu comes next,
    // without the game-over screen.
    bool quitToTitle() const { return mQuitToTitle; }
    // The mode this game is played in, as it was when the game began.
    const PlayRules& rules() const { return mRules; }

    // A frame's steps and the scene stay reachable from a subclass, so that a
    // frame can be driven and inspected without running the loop.
protected:
    // A game played by the given rules rather than the player's next game's.
    Game(ScreenContext& context, const PlayRules& rules);

    // True when there was any event: it may have changed the window.
    bool processEvents();
    void update(sf::Time deltaTime);
    void render();
    void handleCollisions();

    // Where a played frame's time and the scene's key events come from: the
    // player, recorded for the game's replay. A replay supplies its own.
    virtual void playFrame(sf::Time measured) { update(measured); }
    struct KeyEvent
    {
        sf::Keyboard::Key key;
        bool pressed;
    };
    virtual KeyEvent handOver();
    virtual bool handOverKeysLetGo();
    // Every play key let go: the scene hears it at once.
    void letKeysGo();
    // Offered every input before play reads it; true when it took it.
    virtual bool takesFirst(const Input&) { return false; }
    // The speed the player chose, in per cent; a replay keeps its recorded one.
    virtual void followPace(int percent) { setPace(percent); }
    void setPace(int percent);
    int pace() const { return static_cast<int>(std::lround(mClock.pace() * 100.f)); }
    // A game played again is not recorded, and counts for no best level.
    void stopRecording();
    // Ends play for the title menu, as the pause menu's Quit to title does.
    void leaveToTitle()
    {
        mQuitToTitle = true;
        mRunning = false;
    }

    SceneNode& sceneGraph() { return mSceneGraph; }
    const GameClock& clock() const { return mClock; }
    ResourceCache& resources() { return mResources; }
    const sf::Sound& explosionSound() const { return mExplosionSound; }
    const BattleEffects& effects() const { return mEffects; }
    const StatusDisplay& status() const { return *mStatus; }
    bool isPlaying() const { return mRunning; }
    const ShipReserves& reserves() const { return mReserves; }

private:
    void buildScene();
    void loadTextures();
    void loadSounds();
    void loadFonts();
    bool matchesCategories(SceneNode::Pair& pair, Category::Type type1, Category::Type type2);
    static sf::Vector2f shipStart();
    void loseLastShip();
    void bringShipBack();
    void setPaused(bool paused);
    bool readWhilePaused(const Input& input);
    void holdTheLoss(FrameCap& frameCap);
    void follow(const SettingValues& values);
    void hear(const KeyEvent& handed);
    // Counts the finished game for its mode's best level and keeps its replay.
    void keepTheGame();

    ScreenContext* mContext; // the entry point's context and window outlive every screen
    sf::RenderWindow* mWindow;
    // Before everything that times itself on it.
    GameClock mClock;
    PlayRules mRules;
    FireChance mFireChance; // before the enemies, which fire by it
    ShipReserves mReserves;
    std::unique_ptr<SceneNode> mPlayer;
    std::unique_ptr<SceneNode> mBackground;
    std::unique_ptr<EnemySpawner> mEnemySpawner;
    std::unique_ptr<Command> mCommand;
    std::unique_ptr<PlayRecorder> mRecorder; // none for a game played again
    // Declared before everything that plays or draws from it, so it is destroyed last.
    ResourceCache mResources;
    SceneNode mSceneGraph;
    Level mLevel;
    sf::Sound mExplosionSound;
    BattleEffects mEffects;
    ShotLook mShotLook;
    std::unique_ptr<PauseMenu> mPauseMenu;
    bool mQuitToTitle = false;
    std::unique_ptr<StatusDisplay> mStatus;
    ScoreBoard* mScoreBoard = nullptr; // in the scene, which the screen owns
    SceneNode* mPlayerLayer = nullptr; // likewise
    sf::Text mFirstLevelRule;
    std::unique_ptr<FrameCap> mFrameCap;
    std::vector<Adjustments::Watch> mSettings;
    // Each play key (Command::PlayKeys) as the scene was handed it last: a ship
    // that comes back hears the same, in a replay too.
    std::array<bool, 3> mHeld{};
};
