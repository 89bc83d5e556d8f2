#include "actors/PowerUp.hpp"

#include "foundation/Field.hpp"

#include "gameplay/Category.hpp"

#include <cassert>

namespace
{
constexpr float FallSpeed = 300.f;
constexpr float SpinDegreesPerSecond = 200.f;

struct KindLook
{
    Category::Type category;
    Textures::ID texture;
    float scale;
};

// By kind: 0 extra ship, 1 fire rate, 2 speed.
constexpr KindLook Looks[] = {
    {Category::ExtraShipPowerUp, Textures::AddShip, 0.09f},
    {Category::FireRatePowerUp, Textures::BulletSpeed, 1.f},
    {Category::SpeedPowerUp, Textures::Bolt, 1.f},
};
} // namespace

PowerUp::PowerUp(sf::RenderWindow* window, ResourceCache* resources, float x, float y, int kind)
    : Entity(sf::Vector2f(0.f, FallSpeed)), mWindow(window)
{
    setup(kind, sf::Vector2f(x, y), resources);
}

PowerUp::~PowerUp() = default;

void PowerUp::setup(int kind, sf::Vector2f position, ResourceCache* resources)
{
    assert(kind >= 0 && kind < 3);
    const KindLook& look = Looks[kind];
    mCategory = look.category;
    mSprite.setTexture(resources->get(look.texture), false);
    mSprite.setPosition(position);
    mSprite.setScale(look.scale, look.scale);

    // Centred, so that the position is the middle and the spin turns about it.
    const sf::FloatRect local = mSprite.getLocalBounds();
    mSprite.setOrigin(local.width / 2.f, local.height / 2.f);
}

void PowerUp::drawCurrent(sf::RenderWindow&)
{
    mWindow->draw(mSprite, sf::RenderStates::Default);
}

void PowerUp::updateCurrent(sf::Time dt)
{
    advance(dt);
    removeIfBelowWindow();
}

void PowerUp::advance(sf::Time dt)
{
    mSprite.move(mVelocity * dt.asSeconds());
    mSprite.rotate(SpinDegreesPerSecond * dt.asSeconds());
}

bool PowerUp::isBelowWindow() const
{
    return mSprite.getPosition().y > static_cast<float>(Field::Height);
}

void PowerUp::removeIfBelowWindow()
{
    if (isBelowWindow())
        mDestroyed = true;
}
