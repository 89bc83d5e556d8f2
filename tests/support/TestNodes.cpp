#include "support/TestNodes.hpp"

#include <SFML/Graphics/Image.hpp>

#include <utility>

namespace TestNodes
{
const sf::Texture& pixelTexture()
{
    static sf::Texture texture = []
    {
        sf::Image image;
        image.create(1, 1, sf::Color::White);
        sf::Texture made;
        made.loadFromImage(image);
        return made;
    }();
    return texture;
}

BoxNode::BoxNode(sf::FloatRect area, int category, std::vector<std::string>* log, std::string name)
    : mLog(log), mName(std::move(name))
{
    mSprite.setTexture(pixelTexture(), true);
    mSprite.setPosition(area.left, area.top);
    mSprite.setScale(area.width, area.height);
    mCategory = category;
}

BoxNode::BoxNode(std::vector<std::string>* log, std::string name)
    : mLog(log), mName(std::move(name))
{
}

void BoxNode::note(const std::string& what)
{
    if (mLog != nullptr)
        mLog->push_back(mName + ":" + what);
}

void BoxNode::drawCurrent(sf::RenderWindow&)
{
    note("draw");
}

void BoxNode::updateCurrent(sf::Time)
{
    note("update");
    if (onUpdate)
    {
        auto hook = std::move(onUpdate);
        onUpdate = nullptr;
        hook(*this);
    }
}

void BoxNode::applyPowerUpCurrent(int kind)
{
    note("power" + std::to_string(kind));
}

void BoxNode::startFrameCurrent()
{
    note("start");
}

void BoxNode::resetPowerUpsCurrent()
{
    note("reset");
}

void BoxNode::handleInputCurrent(sf::Keyboard::Key, bool)
{
    note("input");
}
} // namespace TestNodes
