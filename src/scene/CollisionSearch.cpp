#include "scene/CollisionSearch.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

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

void CollisionSearch::collectPairs(SceneNode& calling, SceneNode& node,
                                   std::set<SceneNode::Pair>& collisionPairs)
{
    Gathered gathered;
    const bool sameTree = &calling == &node;
    const unsigned char callingTrees = sameTree ? InCallingTree | InPassedTree : InCallingTree;
    calling.visitSubtree([&](SceneNode& each) { gather(each, callingTrees, gathered); });
    if (!sameTree)
    {
        node.visitSubtree([&](SceneNode& each) { gather(each, InPassedTree, gathered); });
        mergeDuplicates(gathered.ordinary);
        mergeDuplicates(gathered.odd);
    }

    std::vector<SceneNode::Pair> found;
    sweep(gathered.ordinary, found);
    testOddOnes(gathered, found);

    // Sorted, the pairs go into the set at its end without a search each.
    std::sort(found.begin(), found.end());
    for (const SceneNode::Pair& pair : found)
        collisionPairs.insert(collisionPairs.end(), pair);
}
