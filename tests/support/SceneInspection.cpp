#include "support/SceneInspection.hpp"

#include <stdexcept>

namespace
{
// A pointer to the protected member, formed through a derived class, reads
// the children of any node without changing SceneNode.
struct ChildrenAccess : SceneNode
{
    static const std::vector<Ptr>& of(const SceneNode& node)
    {
        return node.*(&ChildrenAccess::mChildren);
    }
};
} // namespace

std::vector<SceneNode*> SceneInspection::childrenOf(const SceneNode& node)
{
    std::vector<SceneNode*> children;
    for (const SceneNode::Ptr& child : ChildrenAccess::of(node))
        children.push_back(child.get());
    return children;
}

SceneNode& SceneInspection::childOf(const SceneNode& node, std::size_t index)
{
    return *ChildrenAccess::of(node).at(index);
}
