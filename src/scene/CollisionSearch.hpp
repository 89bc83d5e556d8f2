#pragma once

#include "scene/SceneNode.hpp"

#include <set>

namespace CollisionSearch
{
// Finds the same pairs as testing every node of the calling tree against every
// node of the passed one with collidesWith (the game passes its root twice),
// but reads each node's bounds and destroyed flag once and sorts and sweeps
// instead of testing all pairs. That relies on no class overriding
// collidesWith, and on getBoundingRect and isDestroyed being plain queries,
// which holds for every node of the game.
void collectPairs(SceneNode& calling, SceneNode& node, std::set<SceneNode::Pair>& collisionPairs);
} // namespace CollisionSearch
