#pragma once

#include "scene/SceneNode.hpp"

#include <algorithm>
#include <set>
#include <vector>

// The collision search as the plain walk: every node of one tree against
// every node of the other, from both sides, bounds read at every test. Slow
// and plainly right, it is what the game's search is held against.
namespace AllPairsSearch
{
namespace detail
{
struct ChildrenOf : SceneNode
{
    // Children are protected; a member pointer formed in a derived class reads
    // them on any node without touching the game's interface.
    static const std::vector<Ptr>& get(const SceneNode& node)
    {
        return node.*(&ChildrenOf::mChildren);
    }
};
} // namespace detail

inline void collectPairsWith(SceneNode& self, SceneNode& node, std::set<SceneNode::Pair>& pairs)
{
    if (&self != &node && self.collidesWith(self, node) && !self.isDestroyed() &&
        !node.isDestroyed())
        pairs.insert(std::minmax(&self, &node));
    for (const SceneNode::Ptr& child : detail::ChildrenOf::get(self))
        collectPairsWith(*child, node, pairs);
}

inline void collectCollisionPairs(SceneNode& self, SceneNode& node,
                                  std::set<SceneNode::Pair>& pairs)
{
    collectPairsWith(self, node, pairs);
    for (const SceneNode::Ptr& child : detail::ChildrenOf::get(node))
        collectCollisionPairs(self, *child, pairs);
}
} // namespace AllPairsSearch
