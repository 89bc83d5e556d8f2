#include "BusyPlayScreen.hpp"

#include "actors/Player.hpp"
#include "actors/PowerUpDropper.hpp"
#include "app/Level.hpp"
#include "support/NodeInternals.hpp"

#include <iostream>
#include <sstream>

BusyPlayScreen::BusyPlayScreen(sf::RenderWindow& window)
    : mWindow(window), mSession(window, mDesktop)
{
    rebuild();
}

void BusyPlayScreen::fill(std::size_t totalNodes, unsigned seed)
{
    if (!isIntact())
        rebuild();
    mLayer->fill(totalNodes > mOwnNodeCount ? totalNodes - mOwnNodeCount : 0, seed);
}

void BusyPlayScreen::rebuild()
{
    mScreen.reset();
    Player::sShipCount = 1;
    Player::sFireRate = 2.f;
    Player::sSpeed = Player::sDefaultSpeed;
    PowerUpDropper::resetKillCount();
    Level().resetLevel();

    // The loading lines would land among the figures.
    std::ostringstream loadingLines;
    std::streambuf* console = std::cout.rdbuf(loadingLines.rdbuf());
    mScreen = std::make_unique<PlayScreen>(mSession.context());
    std::cout.rdbuf(console);

    auto layer = std::make_unique<BusyLayer>(&mWindow, &mScreen->resources());
    mLayer = layer.get();
    mScreen->sceneGraph().attachChild(std::move(layer));
    mOwnNodeCount = NodeInternals::countNodes(mScreen->sceneGraph());
    ++mBuildCount;
}

bool BusyPlayScreen::isIntact()
{
    const std::size_t layerNodes = NodeInternals::countNodes(*mLayer);
    const std::size_t allNodes = NodeInternals::countNodes(mScreen->sceneGraph());
    return mScreen->isPlaying() && allNodes - layerNodes + 1 == mOwnNodeCount &&
           Player::sShipCount == 1;
}
