#include "actors/Missile.hpp"

#include "app/Field.hpp"

namespace
{
constexpr int MissileSpeed = 600;
}

Missile::Missile(sf::RenderWindow* window, ResourceCache* resources, float x, float y,
                 int direction, int category)
    : Entity(sf::Vector2f(0.f, static_cast<float>(direction * MissileSpeed))), mPosX(x), mPosY(y),
      mWindow(window)
{
    mSprite.setTexture(resources->get(Textures::Beam), false);
    mSprite.setPosition(x, y);
    mCategory = category;
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
