#include "gameplay/Game.hpp"

#include "actors/Player.hpp"
#include "config/BestLevel.hpp"
#include "config/Preferences.hpp"
#include "foundation/Field.hpp"
#include "gameplay/Command.hpp"
#include "gameplay/EnemySpawner.hpp"
#include "gameplay/PlayRecorder.hpp"
#include "menus/PauseMenu.hpp"
#include "platform/Desktop.hpp"
#include "platform/FrameCap.hpp"
#include "platform/StillPicture.hpp"
#include "presentation/RuleHints.hpp"
#include "presentation/ScoreBoard.hpp"
#include "presentation/StatusDisplay.hpp"
#include "presentation/VolumeNotice.hpp"
#include "session/EventPump.hpp"
#include "session/FrameEnd.hpp"
#include "session/ScreenContext.hpp"
#include "sound/Effects.hpp"
#include "sound/SoundPause.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>

#include <iostream>
#include <utility>

Game::Game(ScreenContext& context)
    : Game(context, context.preferences.nextGame(context.bestLevel.best()))
{
}

Game::Game(ScreenContext& context, const PlayRules& rules)
    : mContext(&context), mWindow(&context.window), mRules(rules),
      mFireChance(mRules.steadiesFire() ? FireChance::Pace::PerSecond : FireChance::Pace::PerFrame),
      mReserves(mRules.reserveShips(), mClock)
{
    // Every timer of play starts at zero and reads the frames' time: a game is
    // its frames, however long the files took to load.
    mClock.drive();
    context.events.beginScreen();
    loadTextures();
    loadSounds();
    loadFonts();
    // Before the scene: the score board shows the level from the first frame.
    if (mRules.startLevel)
        mLevel.startAt(*mRules.startLevel);
    buildScene();
    // The spawner's clocks start only now, after loading and building.
    mEnemySpawner = std::make_unique<EnemySpawner>(mWindow, &mResources, mClock, mFireChance);
    mCommand = std::make_unique<Command>(context.events);
    mRecorder = std::make_unique<PlayRecorder>(mRules.mode);
    mExplosionSound.setBuffer(mResources.get(SoundBuffers::Explosion));
    mPauseMenu = std::make_unique<PauseMenu>(context, &mExplosionSound);
    mStatus = std::make_unique<StatusDisplay>(
        mResources.get(Textures::AddShip), mResources.get(Textures::BulletSpeed),
        mResources.get(Textures::Bolt), mResources.get(Fonts::DigitalTech),
        mResources.get(Textures::PlayerShip));
    follow(context.preferences.values());
    // The words' size and language may change over the paused game too, and the rule line
    // is made in both.
    for (SettingsTable::Applies kind : {SettingsTable::Applies::Play, SettingsTable::Applies::Text,
                                        SettingsTable::Applies::Language})
        mSettings.push_back(context.adjustments.watch(kind, [this](const SettingValues& values)
                                                      { follow(values); }));
}

// What the player chose for play, at the start and whenever it changes (the
// options open over a paused game).
void Game::follow(const SettingValues& values)
{
    // Without a cap, play draws as many frames as the machine manages.
    if (!mFrameCap || mFrameCap->cap() != mContext->preferences.maxFps())
        mFrameCap = std::make_unique<FrameCap>(mContext->preferences.maxFps());
    mCommand->setFireMode(values.fireMode);
    mEffects.setHitSound(values.hitSound);
    mEffects.setReducedFlashing(values.reduceFlashing);
    mShotLook.choose(mResources, values.shotShapes);
    followPace(values.gameSpeed);
    mScoreBoard->setLabelEdge(values.labelEdge);
    mScoreBoard->setLarge(values.largeText);
    mStatus->setLarge(values.largeText);
    mFirstLevelRule =
        RuleHints::firstLevelRule(mResources.get(Fonts::DigitalTech), values.largeText);
}

void Game::setPace(int percent)
{
    mClock.setPace(static_cast<float>(percent) / 100.f);
    mStatus->setSpeed(percent);
}

Game::~Game() = default;

// The bottom centre, where the ship starts and comes back.
sf::Vector2f Game::shipStart()
{
    return sf::Vector2f(static_cast<float>(Field::Width / 2),
                        static_cast<float>(Field::Height / 1.1));
}

void Game::run()
{
    // On the game's clock, less its pauses: the first frame after a pause
    // advances by its own time only.
    sf::Time lastFrame = mClock.liveNow();
    StillPicture still;
    sf::Time deltaTime = sf::Time::Zero;
    bool played = false;
    while (mWindow->isOpen() && mRunning)
    {
        played = true;
        // The game's clock counted the frame in which a pause begins: its time
        // reaches the scene with the first frame that is played again.
        const sf::Time now = mClock.liveNow();
        deltaTime += now - lastFrame;
        lastFrame = now;
        const bool wasPaused = isPaused();
        const bool eventsCame = processEvents();
        if (!isPaused())
        {
            // A slower game is play handed slower time.
            playFrame(mClock.paced(deltaTime));
            deltaTime = sf::Time::Zero;
        }
        // Paused, the picture stands still but for the menu and the word on the sound.
        if (eventsCame || !wasPaused)
            still.disturb();
        if (!isPaused() ||
            still.needsDrawing({mContext->notice.picture(), mPauseMenu->revision(), 0}, *mWindow))
        {
            render();
            mFrameCap->waitForNextFrame();
        }
        else
            FrameEnd::finish(*mContext, false);
    }
    // The level this game reached, read before it goes back to 1. A window
    // closed before play began leaves no game to count.
    if (played)
        keepTheGame();
    mLevel.resetLevel();
    if (mWindow->isOpen() && mContext->preferences.values().lossHold &&
        mEffects.showLoss(mSceneGraph))
        holdTheLoss(*mFrameCap);
}

// Play is over and its rules have had their last frame: the field stands still, without
// the ship that was lost, while the burst plays out. The keys every screen answers still
// work, and closing the window ends the hold at once.
void Game::holdTheLoss(FrameCap& frameCap)
{
    mSceneGraph.removeDestroyed();
    const sf::Time lost = mClock.liveNow();
    sf::Time lastFrame = lost;
    while (mClock.liveNow() - lost < BattleEffects::LossHold)
    {
        mCommand->pollEvents();
        if (!mWindow->isOpen())
            return;
        const sf::Time now = mClock.liveNow();
        mEffects.advance(now - lastFrame);
        lastFrame = now;
        render();
        frameCap.waitForNextFrame();
    }
}

bool Game::processEvents()
{
    mSceneGraph.startFrame();
    if (isPaused())
        mPauseMenu->point(mWindow->mapPixelToCoords(mContext->desktop.pointer(*mWindow)));
    const bool eventsCame =
        mCommand->pollEvents([this](const Input& input) { return readWhilePaused(input); },
                             [this](const Input& input) { return takesFirst(input); });
    if (handOverKeysLetGo())
    {
        mHeld.fill(false);
        if (mRecorder)
            mRecorder->keysLetGo();
    }
    setPaused(mCommand->isPauseAsked() && !mQuitToTitle);
    // The key that goes on, of the device the player used last.
    if (isPaused())
        mPauseMenu->setResumeKey(mContext->events.promptFor(PlayControl::Pause));
    return eventsCame;
}

// A pause control goes on at once. While an options page asks for a key, the
// pump hands out every key as the answer alone, the pause key's too.
bool Game::readWhilePaused(const Input& input)
{
    if (input.presses(PlayControl::Pause))
        return false;
    switch (mPauseMenu->handle(input))
    {
    case PauseMenu::Choice::Resume:
        mCommand->resume();
        break;
    case PauseMenu::Choice::QuitToTitle:
        mQuitToTitle = true;
        mRunning = false;
        break;
    case PauseMenu::Choice::None:
        break;
    }
    return true;
}

// Nothing moves, fires, spawns or counts time while the game is paused.
void Game::update(sf::Time deltaTime)
{
    if (isPaused())
        return;
    if (mRecorder)
        mRecorder->beforeFrame();
    // Every timer of play reads the frame's time, the same all through the frame.
    mClock.advance(deltaTime);
    mSceneGraph.update(deltaTime);
    mEnemySpawner->update(&mSceneGraph);
    const KeyEvent handed = handOver();
    hear(handed);
    handleCollisions();
    if (mRecorder)
        mRecorder->played(deltaTime, handed.key, handed.pressed, mSceneGraph, mClock.now(), pace());
    mEffects.update(deltaTime, mSceneGraph);
    // A loss a reserve stood in for bursts as a lost game would.
    if (mReserves.takeSpent())
    {
        mEffects.showLoss(mSceneGraph);
        Effects::play(mExplosionSound);
    }
    if (mReserves.isShipDue())
        bringShipBack();
    mStatus->show(mEffects.bossHealth(),
                  {Player::sShipCount > 1, Player::fireRateSteps(), Player::speedSteps()});
    mStatus->showReserves(mReserves.left());
}

void Game::render()
{
    mWindow->clear(sf::Color(0, 0, 0, 255));
    mSceneGraph.draw(*mWindow);
    mEffects.draw(*mWindow);
    mStatus->draw(*mWindow);
    // The rule no picture tells, with the first level's banner.
    if (Level::getLevel() == 1 && mScoreBoard->isBannerShown())
        mWindow->draw(mFirstLevelRule, sf::RenderStates::Default);
    if (isPaused())
    {
        mPauseMenu->draw(*mWindow);
        // The reserves stand out over the dimmed field, beside the pause menu.
        if (!mPauseMenu->isInOptions())
            mStatus->drawReserves(*mWindow);
    }
    FrameEnd::finish(*mContext, true);
}

void Game::setPaused(bool paused)
{
    if (paused == isPaused())
        return;
    if (paused && mRecorder)
        mRecorder->paused();
    if (paused)
        mClock.stop();
    else
        mClock.start();
    mSceneGraph.setSoundsPaused(paused);
    SoundPause::setPaused(mExplosionSound, paused);
    mEffects.setSoundsPaused(paused);
}
