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

void Wall::drawCurrent(sf::RenderWindow& window)
{
    window.draw(mSprite, sf::RenderStates::Default);
}
