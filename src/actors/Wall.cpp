#include "actors/Wall.hpp"

#include "foundation/Field.hpp"

#include "gameplay/Category.hpp"

Wall::Wall(ResourceCache* resources) : Entity(sf::Vector2f(0.f, 0.f))
{
    mSprite.setTexture(resources->get(Textures::Wall), false);
    mSprite.setPosition(0.f, static_cast<float>(Field::Height));
    mCategory = Category::Wall;
}

Wall::~Wall() = default;

sf::FloatRect Wall::getBoundingRect() const
{
    constexpr float NominalWidth = 3840.f;
    constexpr float NominalHeight = 64.f;
    const sf::FloatRect bounds = mSprite.getGlobalBounds();
    if (bounds.width > 0.f && bounds.height > 0.f)
        return bounds;
    return sf::FloatRect(0.f, static_cast<float>(Field::Height), NominalWidth, NominalHeight);
}

void Wall::drawCurrent(sf::RenderWindow& window)
{
    window.draw(mSprite, sf::RenderStates::Default);
}
