#include "scene/SceneNode.hpp"

#include "scene/CollisionSearch.hpp"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <iostream>

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

void SceneNode::setSoundsPaused(bool paused)
{
    setSoundsPausedCurrent(paused);
    for (std::size_t i = 0; i < mChildren.size(); ++i)
        mChildren[i]->setSoundsPaused(paused);
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

SceneNode::Health SceneNode::getHealth() const
{
    return {};
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

bool SceneNode::isUntouchable() const
{
    return false;
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
    // A programming error, and erasing end() would corrupt the tree: stop in
    // every build, saying why.
    if (found == mChildren.end())
    {
        std::cerr << "SceneNode::detachChild: the node is not a child of this node" << std::endl;
        std::abort();
    }

    Ptr detached = std::move(*found);
    detached->mParent = nullptr;
    mChildren.erase(found);
    return detached;
}

void SceneNode::visitNodes(const std::function<void(const SceneNode&)>& visit) const
{
    visit(*this);
    for (const Ptr& child : mChildren)
        child->visitNodes(visit);
}

void SceneNode::collectCollisionPairs(SceneNode& node, std::set<Pair>& collisionPairs)
{
    CollisionSearch::collectPairs(*this, node, collisionPairs);
}

void SceneNode::collectPairsWith(SceneNode& node, std::set<Pair>& collisionPairs)
{
    if (node.isDestroyed())
        return;
    const sf::FloatRect bounds = node.getBoundingRect();
    visitSubtree(
        [&](SceneNode& each)
        {
            if (&each != &node && each.getBoundingRect().intersects(bounds) && !each.isDestroyed())
                collisionPairs.insert(std::minmax(&each, &node));
        });
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

void SceneNode::setSoundsPausedCurrent(bool) {}
