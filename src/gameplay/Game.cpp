#include "gameplay/Game.hpp"

#include "actors/Player.hpp"
#include "actors/Wall.hpp"
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
#include "presentation/Background.hpp"
#include "presentation/RuleHints.hpp"
#include "presentation/ScoreBoard.hpp"
#include "presentation/StatusDisplay.hpp"
#include "presentation/VolumeNotice.hpp"
#include "replay/ReplayFiles.hpp"
#include "session/EventPump.hpp"
#include "session/FrameEnd.hpp"
#include "session/ScreenContext.hpp"
#include "sound/SoundPause.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderStates.hpp>

#include <iostream>
#include <utility>

Game::Game(ScreenContext& context) : mContext(&context), mWindow(&context.window)
{
    // Every timer of play starts at zero and reads the frames' time: a game is
    // its frames, however long the files took to load.
    mClock.drive();
    context.events.beginScreen();
    loadTextures();
    loadSounds();
    loadFonts();
    buildScene();
    // The spawner's clocks start only now, after loading and building.
    mEnemySpawner = std::make_unique<EnemySpawner>(mWindow, &mResources, mClock);
    mCommand = std::make_unique<Command>(context.events);
    mRecorder = std::make_unique<PlayRecorder>();
    mExplosionSound.setBuffer(mResources.get(SoundBuffers::Explosion));
    mPauseMenu = std::make_unique<PauseMenu>(context, &mExplosionSound);
    mStatus = std::make_unique<StatusDisplay>(
        mResources.get(Textures::AddShip), mResources.get(Textures::BulletSpeed),
        mResources.get(Textures::Bolt), mResources.get(Fonts::DigitalTech));
    mFirstLevelRule = RuleHints::firstLevelRule(mResources.get(Fonts::DigitalTech));
    follow(context.preferences.values());
    mSettings = context.adjustments.watch(SettingsTable::Applies::Play,
                                          [this](const SettingValues& values) { follow(values); });
}

// What the player chose for play, at the start and whenever it changes (the
// options open over a paused game).
void Game::follow(const SettingValues& values)
{
    // Without a cap, play draws as many frames as the machine manages.
    if (!mFrameCap || mFrameCap->cap() != mContext->preferences.maxFps())
        mFrameCap = std::make_unique<FrameCap>(mContext->preferences.maxFps());
    mEffects.setHitSound(values.hitSound);
    mScoreBoard->setLabelEdge(values.labelEdge);
}

Game::~Game() = default;

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
            playFrame(deltaTime);
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
    if (played && mRecorder)
    {
        const auto outcome = mContext->bestLevel.record(Level::getLevel(), std::cerr);
        const bool lost = !mRunning && !mQuitToTitle;
        if (const auto replay =
                mRecorder->finish(lost ? Replay::Ending::Lost : Replay::Ending::Left))
            ReplayFiles::keep(*replay, outcome.setsRecord, std::cerr);
    }
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
    if (handOverKeysLetGo() && mRecorder)
        mRecorder->keysLetGo();
    setPaused(mCommand->isPauseAsked() && !mQuitToTitle);
    // The key that goes on, of the device the player used last.
    if (isPaused())
        mPauseMenu->setResumeKey(mContext->events.promptFor(PlayControl::Pause));
    return eventsCame;
}

// A pause control goes on at once, unless an options page is asking for a key.
bool Game::readWhilePaused(const Input& input)
{
    if (input.presses(PlayControl::Pause) && !mPauseMenu->isCapturing())
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
    handleCollisions();
    if (mRecorder)
        mRecorder->played(deltaTime, handed.key, handed.pressed, mSceneGraph, mClock.now());
    mEffects.update(deltaTime, mSceneGraph);
    mStatus->show(mEffects.bossHealth(),
                  {Player::sShipCount > 1, Player::fireRateSteps(), Player::speedSteps()});
}

Game::KeyEvent Game::handOver()
{
    const Command::KeyEvent handed = mCommand->handOver(mSceneGraph);
    return {handed.key, handed.pressed};
}

bool Game::handOverKeysLetGo()
{
    return mCommand->handOverKeysLetGo(mSceneGraph);
}

void Game::stopRecording()
{
    mRecorder.reset();
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
        mPauseMenu->draw(*mWindow);
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

void Game::buildScene()
{
    mBackground = std::make_unique<Background>(mWindow, &mResources);

    const sf::Vector2f start(static_cast<float>(Field::Width / 2),
                             static_cast<float>(Field::Height / 1.1));
    mPlayer = std::make_unique<Player>(mWindow, &mResources, start, mClock);

    auto playerLayer = std::make_unique<SceneNode>();
    playerLayer->attachChild(std::move(mPlayer));
    auto backgroundLayer = std::make_unique<SceneNode>();
    backgroundLayer->attachChild(std::move(mBackground));
    auto wallLayer = std::make_unique<Wall>(&mResources);
    auto scoreBoard = std::make_unique<ScoreBoard>(&mResources, mClock);
    mScoreBoard = scoreBoard.get();

    // Attachment order is drawing order: the background first, the board last.
    mSceneGraph.attachChild(std::move(backgroundLayer));
    mSceneGraph.attachChild(std::move(playerLayer));
    mSceneGraph.attachChild(std::move(wallLayer));
    mSceneGraph.attachChild(std::move(scoreBoard));
}

void Game::loadTextures()
{
    mResources.load(ScreenMedia::Screen::Play, ScreenMedia::Kind::Texture);

    // The badges spin: sampled smoothly, and from mipmaps for the one drawn at 9 %, their
    // rings stay round at every angle instead of breaking into steps.
    for (Textures::ID badge : {Textures::AddShip, Textures::BulletSpeed, Textures::Bolt})
    {
        sf::Texture& texture = mResources.get(badge);
        texture.setSmooth(true);
        texture.generateMipmap();
    }
}

void Game::loadSounds()
{
    mResources.load(ScreenMedia::Screen::Play, ScreenMedia::Kind::SoundBuffer);
}

void Game::loadFonts()
{
    mResources.load(ScreenMedia::Screen::Play, ScreenMedia::Kind::Font);
}
