#include "actors/Wall.hpp"

#include "gameplay/Category.hpp"

Wall::Wall(sf::RenderWindow* window, ResourceCache* resources) : Entity(sf::Vector2f(0.f, 0.f))
{
    mSprite.setTexture(resources->get(Textures::Wall), false);
    // The height is read once: resizing the window later does not move the wall.
    mSprite.setPosition(0.f, static_cast<float>(window->getSize().y));
    mCategory = Category::Wall;
}

Wall::~Wall() = default;

void Wall::drawCurrent(sf::RenderWindow& window)
{
    window.draw(mSprite, sf::RenderStates::Default);
}
