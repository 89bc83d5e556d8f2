#pragma once

#include "scene/SceneNode.hpp"

#include <SFML/Graphics/Sprite.hpp>

#include <vector>

// Read-only views into a node's protected parts, for the reference search and
// the benchmarks. A member pointer formed in a derived class reads them on any
// node without widening the game's interface.
namespace NodeInternals
{
namespace detail
{
struct Reader : SceneNode
{
    static const std::vector<Ptr>& children(const SceneNode& node)
    {
        return node.*(&Reader::mChildren);
    }
    static const sf::Sprite& sprite(const SceneNode& node) { return node.*(&Reader::mSprite); }
};
} // namespace detail

inline const std::vector<SceneNode::Ptr>& childrenOf(const SceneNode& node)
{
    return detail::Reader::children(node);
}

inline const sf::Sprite& spriteOf(const SceneNode& node)
{
    return detail::Reader::sprite(node);
}

// Calls visit on the node and then on its whole subtree, in walk order.
template <typename Visit> void forEachNode(SceneNode& node, Visit&& visit)
{
    visit(node);
    for (const SceneNode::Ptr& child : childrenOf(node))
        forEachNode(*child, visit);
}

inline std::size_t countNodes(SceneNode& root)
{
    std::size_t count = 0;
    forEachNode(root, [&count](SceneNode&) { ++count; });
    return count;
}
} // namespace NodeInternals
