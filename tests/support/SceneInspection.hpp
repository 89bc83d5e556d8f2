#pragma once

#include "scene/SceneNode.hpp"

#include <cstddef>
#include <vector>

// Read access to the scene tree for tests: a node's children, in order.
namespace SceneInspection
{
std::vector<SceneNode*> childrenOf(const SceneNode& node);
SceneNode& childOf(const SceneNode& node, std::size_t index);
} // namespace SceneInspection
