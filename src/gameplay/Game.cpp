#include "gameplay/Game.hpp"

#include "gameplay/Command.hpp"
#include "gameplay/EnemySpawner.hpp"
#include "resources/MediaFiles.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/Clock.hpp>

Game::Game(sf::RenderWindow& window) : mWindow(&window)
{
    loadTextures();
    loadSounds();
    loadFonts();
    buildScene();
    // The spawner's clocks start only now, after loading and building.
    mEnemySpawner = std::make_unique<EnemySpawner>(mWindow, &mResources);
    mCommand = std::make_unique<Command>(window);
    mExplosionSound.setBuffer(mResources.get(SoundBuffers::Explosion));
}

Game::~Game() = default;

void Game::run()
{
    sf::Clock clock;
    sf::Time deltaTime = sf::Time::Zero;
    while (mWindow->isOpen() && mRunning)
    {
        deltaTime = clock.restart();
        processEvents();
        update(deltaTime);
        render();
    }
    mLevel.resetLevel();
}

void Game::processEvents()
{
    mSceneGraph.startFrame();
    mCommand->pollEvents();
}

void Game::update(sf::Time deltaTime)
{
    mSceneGraph.update(deltaTime);
    mEnemySpawner->update(&mSceneGraph);
    const bool pressed = mCommand->isPressed();
    mSceneGraph.handleInput(mCommand->getKey(), pressed);
    handleCollisions();
}

void Game::render()
{
    mWindow->clear(sf::Color(0, 0, 0, 255));
    mSceneGraph.draw(*mWindow);
    mWindow->display();
}

void Game::buildScene()
{
    auto backgroundLayer = std::make_unique<SceneNode>();
    auto playerLayer = std::make_unique<SceneNode>();
    mSceneGraph.attachChild(std::move(backgroundLayer));
    mSceneGraph.attachChild(std::move(playerLayer));
}

void Game::handleCollisions()
{
    std::set<SceneNode::Pair> collisionPairs;
    mSceneGraph.collectCollisionPairs(mSceneGraph, collisionPairs);
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
