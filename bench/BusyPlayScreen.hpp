#pragma once

#include "BusyLayer.hpp"
#include "platform/Desktop.hpp"
#include "session/Session.hpp"
#include "support/PlayScreen.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstddef>
#include <memory>

// The real play screen with a BusyLayer appended to its root, filled to a
// chosen size of the whole tree.
class BusyPlayScreen
{
public:
    explicit BusyPlayScreen(sf::RenderWindow& window);

    // Makes the whole tree `totalNodes` nodes big (the screen's own nodes and
    // the layer included). If the last run cost the ship or ended play, the
    // screen is built afresh first, so every run starts from the same state.
    void fill(std::size_t totalNodes, unsigned seed);

    PlayScreen& screen() { return *mScreen; }
    std::size_t ownNodeCount() const { return mOwnNodeCount; }
    // How many times the screen has been built: a new screen shows its level banner again.
    std::size_t buildCount() const { return mBuildCount; }

private:
    void rebuild();
    bool isIntact();

    sf::RenderWindow& mWindow;
    Desktop mDesktop;
    Session mSession;
    std::unique_ptr<PlayScreen> mScreen;
    BusyLayer* mLayer = nullptr; // owned by the screen's root
    std::size_t mOwnNodeCount = 0;
    std::size_t mBuildCount = 0;
};
