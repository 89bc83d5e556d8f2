#include "actors/Missile.hpp"

#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"

#include <SFML/Graphics/Color.hpp>

namespace
{
constexpr int MissileSpeed = 600;

// Enemy shots wear a hot pink-red of their own over their picture, so that a player
// tells at a glance what to dodge; the ship's shots show the beam as it is.
const sf::Color EnemyShotTint(255, 110, 150);
} // namespace

Missile::Missile(sf::RenderWindow* window, ResourceCache* resources, float x, float y,
                 int direction, int category)
    : Entity(sf::Vector2f(0.f, static_cast<float>(direction * MissileSpeed))), mPosX(x), mPosY(y),
      mWindow(window)
{
    const sf::Texture& beam = resources->get(Textures::Beam);
    mSprite.setTexture(beam, false);
    mSprite.setPosition(x, y);
    mCategory = category;
    if (category != Category::EnemyMissile)
        return;
    mSprite.setColor(EnemyShotTint);
    // The screen's own picture for them, where it made one; the bounds stay the beam's.
    if (const sf::Texture* look = resources->find(Textures::EnemyShot))
    {
        mSprite.setTexture(*look);
        mSprite.setTextureRect(sf::IntRect(sf::Vector2i(0, 0), sf::Vector2i(beam.getSize())));
    }
}

Missile::~Missile() = default;

void Missile::drawCurrent(sf::RenderWindow&)
{
    mWindow->draw(mSprite, sf::RenderStates::Default);
}

void Missile::updateCurrent(sf::Time dt)
{
    advance(dt);
    removeIfOffScreen();
}

// The position is integrated in floats of its own and written to the sprite,
// never moved relatively.
void Missile::advance(sf::Time dt)
{
    mPosX += dt.asSeconds() * mVelocity.x;
    mPosY += dt.asSeconds() * mVelocity.y;
    mSprite.setPosition(mPosX, mPosY);
}

// Off screen only once no part of it can be seen: wholly above the field's top
// edge or with its top edge below the bottom edge.
bool Missile::isOffScreen() const
{
    const sf::FloatRect bounds = mSprite.getGlobalBounds();
    if (mPosY + bounds.height < 0.f)
        return true;
    return mPosY > static_cast<float>(Field::Height);
}

void Missile::removeIfOffScreen()
{
    if (isOffScreen())
        mDestroyed = true;
}
