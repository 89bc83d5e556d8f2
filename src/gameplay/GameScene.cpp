#include "gameplay/Game.hpp"

#include "actors/Player.hpp"
#include "actors/Wall.hpp"
#include "presentation/Background.hpp"
#include "presentation/ScoreBoard.hpp"

#include <utility>

// The play screen's media, and the scene it builds from them.

void Game::buildScene()
{
    mBackground = std::make_unique<Background>(mWindow, &mResources);

    mPlayer = std::make_unique<Player>(mWindow, &mResources, shipStart(), mClock);

    auto playerLayer = std::make_unique<SceneNode>();
    mPlayerLayer = playerLayer.get();
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
    mShotLook.open(mResources);
}

void Game::loadSounds()
{
    mResources.load(ScreenMedia::Screen::Play, ScreenMedia::Kind::SoundBuffer);
}

void Game::loadFonts()
{
    mResources.load(ScreenMedia::Screen::Play, ScreenMedia::Kind::Font);
}
