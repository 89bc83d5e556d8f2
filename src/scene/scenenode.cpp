#include "scene/SceneNode.hpp"

#include <algorithm>
#include <cassert>

SceneNode::SceneNode() = default;

SceneNode::~SceneNode() = default;

void SceneNode::attachChild(Ptr child)
{
    child->mParent = this;
    mChildren.push_back(std::move(child));
}

// Children are walked by index: a node may attach children to itself from its
// own hook, and those are then visited in the same pass.
void SceneNode::draw(sf::RenderWindow& window)
{
    drawCurrent(window);
    for (std::size_t i = 0; i < mChildren.size(); ++i)
        mChildren[i]->draw(window);
}

void SceneNode::update(sf::Time dt)
{
    updateCurrent(dt);
    for (std::size_t i = 0; i < mChildren.size(); ++i)
        mChildren[i]->update(dt);
    removeDestroyed();
}

void SceneNode::startFrame()
{
    startFrameCurrent();
    for (std::size_t i = 0; i < mChildren.size(); ++i)
        mChildren[i]->startFrame();
}

void SceneNode::applyPowerUp(int kind)
{
    applyPowerUpCurrent(kind);
    for (std::size_t i = 0; i < mChildren.size(); ++i)
        mChildren[i]->applyPowerUp(kind);
}

void SceneNode::handleInput(sf::Keyboard::Key key, bool pressed)
{
    handleInputCurrent(key, pressed);
    for (std::size_t i = 0; i < mChildren.size(); ++i)
        mChildren[i]->handleInput(key, pressed);
}

bool SceneNode::collidesWith(SceneNode& first, SceneNode& second)
{
    return first.getBoundingRect().intersects(second.getBoundingRect());
}

bool SceneNode::isDestroyed() const
{
    return mDestroyed;
}

bool SceneNode::isGameOver()
{
    return false;
}

bool SceneNode::isOnLastHitPoint() const
{
    return false;
}

void SceneNode::resetPowerUps()
{
    resetPowerUpsCurrent();
    for (std::size_t i = 0; i < mChildren.size(); ++i)
        mChildren[i]->resetPowerUps();
}

sf::Vector2f SceneNode::getSpritePosition() const
{
    return mSprite.getPosition();
}

sf::FloatRect SceneNode::getBoundingRect() const
{
    return mSprite.getGlobalBounds();
}

void SceneNode::destroy()
{
    mDestroyed = true;
}

int SceneNode::getCategory() const
{
    return mCategory;
}

sf::Vector2f SceneNode::getLastChildPosition() const
{
    assert(!mChildren.empty());
    return mChildren.back()->getSpritePosition();
}

SceneNode::Ptr SceneNode::detachChild(const SceneNode& node)
{
    auto found = std::find_if(mChildren.begin(), mChildren.end(),
                              [&node](const Ptr& child) { return child.get() == &node; });
    assert(found != mChildren.end());

    Ptr detached = std::move(*found);
    detached->mParent = nullptr;
    mChildren.erase(found);
    return detached;
}

void SceneNode::collectCollisionPairs(SceneNode& node, std::set<Pair>& collisionPairs)
{
    collectPairsWith(node, collisionPairs);
    for (const Ptr& child : node.mChildren)
        collectCollisionPairs(*child, collisionPairs);
}

void SceneNode::collectPairsWith(SceneNode& node, std::set<Pair>& collisionPairs)
{
    if (this != &node && collidesWith(*this, node) && !isDestroyed() && !node.isDestroyed())
        collisionPairs.insert(std::minmax(this, &node));

    for (const Ptr& child : mChildren)
        child->collectPairsWith(node, collisionPairs);
}

void SceneNode::removeDestroyed()
{
    auto firstDestroyed = std::remove_if(mChildren.begin(), mChildren.end(),
                                         [](const Ptr& child) { return child->isDestroyed(); });
    mChildren.erase(firstDestroyed, mChildren.end());

    for (const Ptr& child : mChildren)
        child->removeDestroyed();
}

void SceneNode::drawCurrent(sf::RenderWindow&) {}

void SceneNode::updateCurrent(sf::Time) {}

void SceneNode::applyPowerUpCurrent(int) {}

void SceneNode::startFrameCurrent() {}

void SceneNode::resetPowerUpsCurrent() {}

void SceneNode::handleInputCurrent(sf::Keyboard::Key, bool) {}
