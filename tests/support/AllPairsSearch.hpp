#pragma once

#include "scene/SceneNode.hpp"
#include "support/NodeInternals.hpp"

#include <algorithm>
#include <set>

// The collision search as the plain walk: every node of one tree against
// every node of the other, from both sides, bounds read at every test. Slow
// and plainly right, it is what the game's search is held against.
namespace AllPairsSearch
{
inline void collectPairsWith(SceneNode& self, SceneNode& node, std::set<SceneNode::Pair>& pairs)
{
    if (&self != &node && self.collidesWith(self, node) && !self.isDestroyed() &&
        !node.isDestroyed())
        pairs.insert(std::minmax(&self, &node));
    for (const SceneNode::Ptr& child : NodeInternals::childrenOf(self))
        collectPairsWith(*child, node, pairs);
}

inline void collectCollisionPairs(SceneNode& self, SceneNode& node,
                                  std::set<SceneNode::Pair>& pairs)
{
    collectPairsWith(self, node, pairs);
    for (const SceneNode::Ptr& child : NodeInternals::childrenOf(node))
        collectCollisionPairs(self, *child, pairs);
}
} // namespace AllPairsSearch
