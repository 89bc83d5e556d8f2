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
        mTileSprite.setOrigin(0.f, static_cast<float>((galaxy.getSize().y - Field::Height) / 2));
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
    for (std::size_t i = 0; i < mTiles.size(); ++i)
    {
        mTiles[i].sprite.move(change);
        mTiles[i].position.x += change.x;
        mTiles[i].position.y += change.y;
        if (isTileBelowWindow(i))
            resetTile(i);
    }
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

// A reset, not a modulo: the overshoot past the bottom is dropped.
void Background::resetTile(std::size_t index)
{
    mTiles[index].position = sf::Vector2f(0.f, -FieldHeight);
    mTiles[index].sprite.setPosition(mTiles[index].position);
}
