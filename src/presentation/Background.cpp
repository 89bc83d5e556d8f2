#include "presentation/Background.hpp"

#include "foundation/Field.hpp"
#include "resources/ResourceCache.hpp"

#include <SFML/Graphics/RenderStates.hpp>

namespace
{
constexpr float FieldHeight = static_cast<float>(Field::Height);
}

Background::Background(sf::RenderWindow* window, ResourceCache* resources) : mWindow(window)
{
    const sf::Texture& galaxy = resources->get(Textures::Galaxy);
    mTileSprite.setTexture(galaxy, false);
    // A picture taller than the field carries as many rows of sky above the field's
    // height as below it; they hang beyond the tile's place and cover for the overshoot
    // a wrap drops, which leaves the two copies up to a frame's step off one another.
    if (galaxy.getSize().y > Field::Height)
    {
        mSpareRows = static_cast<float>((galaxy.getSize().y - Field::Height) / 2);
        mTileSprite.setOrigin(0.f, mSpareRows);
    }
    mScrollVelocity = sf::Vector2f(0.f, 150.f);
    placeTiles();
}

Background::~Background() = default;

void Background::drawCurrent(sf::RenderWindow&)
{
    drawTiles();
}

void Background::updateCurrent(sf::Time dt)
{
    scrollTiles(dt);
}

// Tile 0 covers the field, tile 1 lies directly above it.
void Background::placeTiles()
{
    backgroundTile newTile;
    newTile.sprite = mTileSprite;

    newTile.sprite.setPosition(0.f, 0.f);
    newTile.position = sf::Vector2f(0.f, 0.f);
    mTiles.push_back(newTile);

    newTile.sprite.setPosition(0.f, -FieldHeight);
    newTile.position = sf::Vector2f(0.f, -FieldHeight);
    mTiles.push_back(newTile);
}

void Background::scrollTiles(sf::Time dt)
{
    const sf::Vector2f change = mScrollVelocity * dt.asSeconds();
    for (backgroundTile& tile : mTiles)
    {
        tile.sprite.move(change);
        tile.position += change;
    }
    for (std::size_t i = 0; i < mTiles.size(); ++i)
        if (isTileBelowWindow(i))
            resetTile(i);
}

void Background::drawTiles()
{
    for (const backgroundTile& tile : mTiles)
        mWindow->draw(tile.sprite, sf::RenderStates::Default);
}

bool Background::isTileBelowWindow(std::size_t index) const
{
    return mTiles[index].position.y > FieldHeight;
}

// A reset, not a modulo: the overshoot past the bottom is dropped, and the
// picture's spare rows cover the seam it leaves. A long frame's overshoot is
// more than they cover: then the copy goes directly above the other one, so
// that no band of black crosses the field until the game ends.
void Background::resetTile(std::size_t index)
{
    const backgroundTile& other = mTiles[1 - index];
    float top = -FieldHeight;
    if (other.position.y - (top + FieldHeight) > mSpareRows)
        top = other.position.y - FieldHeight;
    mTiles[index].position = sf::Vector2f(0.f, top);
    mTiles[index].sprite.setPosition(mTiles[index].position);
}
