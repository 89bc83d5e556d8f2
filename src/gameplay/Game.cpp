#include "gameplay/Game.hpp"

#include "actors/Player.hpp"
#include "actors/PowerUpDropper.hpp"
#include "actors/Wall.hpp"
#include "app/Field.hpp"
#include "app/FrameCap.hpp"
#include "app/GameTimer.hpp"
#include "app/Session.hpp"
#include "app/SoundPause.hpp"
#include "gameplay/Command.hpp"
#include "gameplay/EnemySpawner.hpp"
#include "presentation/Background.hpp"
#include "presentation/PauseOverlay.hpp"
#include "presentation/ScoreBoard.hpp"
#include "resources/MediaFiles.hpp"
#include "screens/StillPicture.hpp"

#include <SFML/Graphics/Color.hpp>

Game::Game(Session& session) : mSession(&session), mWindow(&session.window())
{
    loadTextures();
    loadSounds();
    loadFonts();
    buildScene();
    // The spawner's clocks start only now, after loading and building.
    mEnemySpawner = std::make_unique<EnemySpawner>(mWindow, &mResources, mClock);
    mCommand = std::make_unique<Command>(session);
    mExplosionSound.setBuffer(mResources.get(SoundBuffers::Explosion));
    mPauseOverlay = std::make_unique<PauseOverlay>(mResources.get(Fonts::DigitalTech));
}

Game::~Game() = default;

void Game::run()
{
    // On the game's clock: the first frame after a pause advances by its own time only.
    GameTimer clock(mClock);
    StillPicture still;
    sf::Time deltaTime = sf::Time::Zero;
    bool played = false;
    // Without --max-fps, play draws as many frames as the machine manages.
    FrameCap frameCap(mSession->options().maxFps);
    while (mWindow->isOpen() && mRunning)
    {
        played = true;
        deltaTime = clock.restart();
        const bool wasPaused = isPaused();
        const bool eventsCame = processEvents();
        update(deltaTime);
        // Paused, the picture stands still but for the word on the sound.
        if (eventsCame || !wasPaused)
            still.disturb();
        if (!isPaused() || still.needsDrawing(mSession->notice().picture(), *mWindow))
        {
            render();
            frameCap.waitForNextFrame();
        }
        else
            StillPicture::rest();
    }
    // The level this game reached, read before it goes back to 1. A window
    // closed before play began leaves no game to count.
    if (played)
        mSession->recordGame(Level::getLevel());
    mLevel.resetLevel();
}

bool Game::processEvents()
{
    mSceneGraph.startFrame();
    const bool eventsCame = mCommand->pollEvents();
    setPaused(mCommand->isPauseAsked());
    return eventsCame;
}

// Nothing moves, fires, spawns or counts time while the game is paused.
void Game::update(sf::Time deltaTime)
{
    if (isPaused())
        return;
    mSceneGraph.update(deltaTime);
    mEnemySpawner->update(&mSceneGraph);
    const bool pressed = mCommand->isPressed();
    mSceneGraph.handleInput(mCommand->getKey(), pressed);
    handleCollisions();
    mEffects.update(deltaTime, mSceneGraph);
}

void Game::render()
{
    mWindow->clear(sf::Color(0, 0, 0, 255));
    mSceneGraph.draw(*mWindow);
    mEffects.draw(*mWindow);
    if (isPaused())
        mPauseOverlay->draw(*mWindow);
    mSession->drawNotice(*mWindow);
    mWindow->display();
}

void Game::setPaused(bool paused)
{
    if (paused == isPaused())
        return;
    if (paused)
        mClock.stop();
    else
        mClock.start();
    mSceneGraph.setSoundsPaused(paused);
    SoundPause::setPaused(mExplosionSound, paused);
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
    auto mScoreBoard = std::make_unique<ScoreBoard>(&mResources, mClock);

    // Attachment order is drawing order: the background first, the board last.
    mSceneGraph.attachChild(std::move(backgroundLayer));
    mSceneGraph.attachChild(std::move(playerLayer));
    mSceneGraph.attachChild(std::move(wallLayer));
    mSceneGraph.attachChild(std::move(mScoreBoard));
}

namespace
{
void pickUp(SceneNode& ship, SceneNode& powerUp, int kind)
{
    ship.applyPowerUp(kind);
    powerUp.destroy();
}

// Ramming an enemy and an enemy at the wall both take every bonus away.
void takeBonuses(SceneNode& root)
{
    root.resetPowerUps();
    PowerUpDropper::resetKillCount();
}
} // namespace

void Game::handleCollisions()
{
    struct Rule
    {
        Category::Type first;
        Category::Type second;
        void (*react)(Game& game, SceneNode& first, SceneNode& second);
    };

    // A pair is handled by the first rule it matches, its nodes in the rule's order.
    static const Rule rules[] = {
        {Category::Enemy, Category::PlayerMissile,
         [](Game& game, SceneNode& enemy, SceneNode& missile)
         {
             if (enemy.isOnLastHitPoint())
                 game.mExplosionSound.play();
             enemy.destroy();
             missile.destroy();
         }},
        {Category::Player, Category::EnemyMissile,
         [](Game& game, SceneNode& ship, SceneNode& missile)
         {
             ship.destroy();
             missile.destroy();
             PowerUpDropper::resetKillCount();
             if (ship.isGameOver())
                 game.mRunning = false;
         }},
        {Category::Player, Category::ExtraShipPowerUp,
         [](Game&, SceneNode& ship, SceneNode& powerUp) { pickUp(ship, powerUp, 0); }},
        {Category::Player, Category::FireRatePowerUp,
         [](Game&, SceneNode& ship, SceneNode& powerUp) { pickUp(ship, powerUp, 1); }},
        {Category::Player, Category::SpeedPowerUp,
         [](Game&, SceneNode& ship, SceneNode& powerUp) { pickUp(ship, powerUp, 2); }},
        {Category::Player, Category::Enemy,
         [](Game& game, SceneNode& ship, SceneNode& enemy)
         {
             ship.destroy();
             enemy.destroy();
             // Asked before the reset walk, which puts the ship count back to 1:
             // losing the last ship by ramming ends play at once.
             const bool lastShipLost = ship.isGameOver();
             takeBonuses(game.mSceneGraph);
             if (lastShipLost)
                 game.mRunning = false;
         }},
        {Category::Enemy, Category::Wall,
         [](Game& game, SceneNode& enemy, SceneNode& wall)
         {
             enemy.destroy();
             wall.destroy();
             takeBonuses(game.mSceneGraph);
             game.mRunning = false;
         }},
    };

    std::set<SceneNode::Pair> collisionPairs;
    mSceneGraph.collectCollisionPairs(mSceneGraph, collisionPairs);
    for (SceneNode::Pair pair : collisionPairs)
    {
        for (const Rule& rule : rules)
        {
            if (matchesCategories(pair, rule.first, rule.second))
            {
                rule.react(*this, *pair.first, *pair.second);
                break;
            }
        }
    }
}

bool Game::matchesCategories(SceneNode::Pair& pair, Category::Type type1, Category::Type type2)
{
    const int category1 = pair.first->getCategory();
    const int category2 = pair.second->getCategory();
    if (category1 == type1 && category2 == type2)
        return true;
    if (category1 == type2 && category2 == type1)
    {
        std::swap(pair.first, pair.second);
        return true;
    }
    return false;
}

void Game::loadTextures()
{
    mResources.load(Textures::PlayerShip, MediaFiles::PlayerShip);
    mResources.load(Textures::EnemyA, MediaFiles::EnemyA);
    mResources.load(Textures::EnemyB, MediaFiles::EnemyB);
    mResources.load(Textures::EnemyC, MediaFiles::EnemyC);
    mResources.load(Textures::BossA, MediaFiles::BossA);
    mResources.load(Textures::Bolt, MediaFiles::Bolt);
    mResources.load(Textures::AddShip, MediaFiles::AddShip);
    mResources.load(Textures::BulletSpeed, MediaFiles::BulletSpeed);
    mResources.load(Textures::Beam, MediaFiles::Beam);
    mResources.load(Textures::Galaxy, MediaFiles::Galaxy);
    mResources.load(Textures::Wall, MediaFiles::Wall);

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
    mResources.load(SoundBuffers::Laser, MediaFiles::Laser);
    mResources.load(SoundBuffers::Explosion, MediaFiles::Explosion);
    mResources.load(SoundBuffers::PowerUp, MediaFiles::PowerUp);
}

void Game::loadFonts()
{
    mResources.load(Fonts::DigitalTech, MediaFiles::DigitalTech);
}
