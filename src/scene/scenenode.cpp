#include "scene/SceneNode.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>
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

template <typename Visit> void SceneNode::visitSubtree(Visit&& visit)
{
    visit(*this);
    for (const Ptr& child : mChildren)
        child->visitSubtree(visit);
}

namespace
{
// Which of the two trees given to the search hold a node: the tree the search
// is called on, the tree passed to it, or both (the game passes the root twice).
enum TreeMask : unsigned char
{
    InCallingTree = 1,
    InPassedTree = 2
};

// A node as the search sees it in one frame: bounds and liveness read once.
struct Candidate
{
    SceneNode* node;
    sf::FloatRect bounds;
    float low[2]; // per axis, the extent exactly as sf::Rect::intersects computes it
    float high[2];
    unsigned char trees;
};

// The all-pairs walk tested each pair as collidesWith(a, b) with a from the
// calling tree and b from the passed one, and for the root against itself
// from both sides; test the same orientations so even odd bounds agree.
bool overlapAsWalked(const Candidate& a, const Candidate& b)
{
    return ((a.trees & InCallingTree) && (b.trees & InPassedTree) &&
            a.bounds.intersects(b.bounds)) ||
           ((b.trees & InCallingTree) && (a.trees & InPassedTree) && b.bounds.intersects(a.bounds));
}

struct Gathered
{
    std::vector<Candidate> ordinary; // finite extents, positive on both axes
    std::vector<Candidate> odd;      // an extent is NaN: tested against everything
};

void gather(SceneNode& node, unsigned char trees, Gathered& gathered)
{
    if (node.isDestroyed())
        return;
    Candidate candidate{&node, node.getBoundingRect(), {}, {}, trees};
    const sf::FloatRect& r = candidate.bounds;
    candidate.low[0] = std::min(r.left, static_cast<float>(r.left + r.width));
    candidate.high[0] = std::max(r.left, static_cast<float>(r.left + r.width));
    candidate.low[1] = std::min(r.top, static_cast<float>(r.top + r.height));
    candidate.high[1] = std::max(r.top, static_cast<float>(r.top + r.height));

    bool isNan = false;
    for (int axis = 0; axis < 2; ++axis)
        isNan = isNan || std::isnan(candidate.low[axis]) || std::isnan(candidate.high[axis]);
    if (isNan)
        gathered.odd.push_back(candidate);
    // Without a positive extent on both axes (an untextured sprite) nothing can overlap it.
    else if (candidate.low[0] < candidate.high[0] && candidate.low[1] < candidate.high[1])
        gathered.ordinary.push_back(candidate);
}

// Sweep along the axis on which the nodes are spread more, so a column of
// missiles does not degrade the sweep to all pairs.
int sweepAxis(const std::vector<Candidate>& candidates)
{
    double spread[2] = {0.0, 0.0};
    for (int axis = 0; axis < 2; ++axis)
    {
        double sum = 0.0;
        double sumOfSquares = 0.0;
        for (const Candidate& c : candidates)
        {
            const double centre = (static_cast<double>(c.low[axis]) + c.high[axis]) / 2.0;
            sum += centre;
            sumOfSquares += centre * centre;
        }
        const double n = static_cast<double>(candidates.size());
        spread[axis] = n > 0 ? sumOfSquares / n - (sum / n) * (sum / n) : 0.0;
    }
    return spread[1] > spread[0] ? 1 : 0;
}

// Two nodes can only overlap when their extents overlap on the sweep axis:
// after sorting by low edge, the partners of a node are the ones that start
// before it ends.
void sweep(std::vector<Candidate>& candidates, std::vector<SceneNode::Pair>& found)
{
    const int axis = sweepAxis(candidates);
    std::sort(candidates.begin(), candidates.end(),
              [axis](const Candidate& a, const Candidate& b) { return a.low[axis] < b.low[axis]; });
    const int across = 1 - axis;
    for (std::size_t i = 0; i < candidates.size(); ++i)
    {
        const Candidate& a = candidates[i];
        for (std::size_t j = i + 1; j < candidates.size() && candidates[j].low[axis] < a.high[axis];
             ++j)
        {
            const Candidate& b = candidates[j];
            // The same reasoning rules out extents apart on the other axis;
            // what is left gets the exact test.
            if (b.low[across] < a.high[across] && a.low[across] < b.high[across] &&
                overlapAsWalked(a, b))
                found.push_back(std::minmax(a.node, b.node));
        }
    }
}

void testOddOnes(const Gathered& gathered, std::vector<SceneNode::Pair>& found)
{
    for (std::size_t i = 0; i < gathered.odd.size(); ++i)
    {
        const Candidate& a = gathered.odd[i];
        for (const Candidate& b : gathered.ordinary)
            if (overlapAsWalked(a, b))
                found.push_back(std::minmax(a.node, b.node));
        for (std::size_t j = i + 1; j < gathered.odd.size(); ++j)
            if (overlapAsWalked(a, gathered.odd[j]))
                found.push_back(std::minmax(a.node, gathered.odd[j].node));
    }
}

// A node in both trees was gathered twice; keep one entry that knows both.
void mergeDuplicates(std::vector<Candidate>& candidates)
{
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.node < b.node; });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i)
    {
        if (kept > 0 && candidates[kept - 1].node == candidates[i].node)
            candidates[kept - 1].trees |= candidates[i].trees;
        else
            candidates[kept++] = candidates[i];
    }
    candidates.resize(kept);
}
} // namespace

// Finds the same pairs as testing every node of this tree against every node
// of the other with collidesWith, but reads each node's bounds and destroyed
// flag once and sweeps instead of testing all pairs. That relies on no class
// overriding collidesWith, and on getBoundingRect and isDestroyed being plain
// queries, which holds for every node of the game.
void SceneNode::collectCollisionPairs(SceneNode& node, std::set<Pair>& collisionPairs)
{
    Gathered gathered;
    const bool sameTree = this == &node;
    const unsigned char callingTrees = sameTree ? InCallingTree | InPassedTree : InCallingTree;
    visitSubtree([&](SceneNode& each) { gather(each, callingTrees, gathered); });
    if (!sameTree)
    {
        node.visitSubtree([&](SceneNode& each) { gather(each, InPassedTree, gathered); });
        mergeDuplicates(gathered.ordinary);
        mergeDuplicates(gathered.odd);
    }

    std::vector<Pair> found;
    sweep(gathered.ordinary, found);
    testOddOnes(gathered, found);

    // Sorted, the pairs go into the set at its end without a search each.
    std::sort(found.begin(), found.end());
    for (const Pair& pair : found)
        collisionPairs.insert(collisionPairs.end(), pair);
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
