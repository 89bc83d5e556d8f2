#pragma once

#include "scene/SceneNode.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

#include <cstddef>
#include <vector>

class ResourceCache;

// One copy of the galaxy image. The recorded position is what the wrap test
// reads; it is kept equal to the sprite's position.
struct backgroundTile
{
    sf::Sprite sprite;
    sf::Vector2f position;
};

// The star field behind the play: two copies of the galaxy image stacked
// vertically, sliding down the field; a copy that has left the bottom goes back
// on top.
// Its own sprite never gets a texture, so it never collides.
class Background : public SceneNode
{
public:
    Background(sf::RenderWindow* window, ResourceCache* resources);
    ~Background() override;

    const std::vector<backgroundTile>& getTiles() const { return mTiles; }

protected:
    void drawCurrent(sf::RenderWindow& window) override;
    void updateCurrent(sf::Time dt) override;

private:
    void placeTiles();
    void scrollTiles(sf::Time dt);
    void drawTiles();
    bool isTileBelowWindow(std::size_t index) const;
    void resetTile(std::size_t index);

    sf::RenderWindow* mWindow; // the tiles' window; the play screen's, which outlives its scene
    sf::Sprite mTileSprite;
    std::vector<backgroundTile> mTiles;
    sf::Vector2f mScrollVelocity;
    float mSpareRows = 0.f; // of the picture, above and below the field's height
};
