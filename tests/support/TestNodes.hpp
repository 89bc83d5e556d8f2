#pragma once

#include "scene/SceneNode.hpp"

#include <SFML/Graphics/Texture.hpp>

#include <functional>
#include <string>
#include <vector>

namespace TestNodes
{
// A 1 x 1 white texture, enough to give a sprite bounds (needs an X display).
const sf::Texture& pixelTexture();

// A node whose sprite covers the given rectangle, optionally recording the hooks it runs.
class BoxNode : public SceneNode
{
public:
    explicit BoxNode(sf::FloatRect area, int category = -1, std::vector<std::string>* log = nullptr,
                     std::string name = {});
    // A node without texture: no bounds, never collides.
    explicit BoxNode(std::vector<std::string>* log = nullptr, std::string name = {});

    void setCategory(int category) { mCategory = category; }
    void moveTo(sf::Vector2f position) { mSprite.setPosition(position); }
    SceneNode* parent() const { return mParent; }
    std::size_t childCount() const { return mChildren.size(); }
    SceneNode& child(std::size_t index) { return *mChildren[index]; }

    // Runs once inside this node's next update hook.
    std::function<void(BoxNode&)> onUpdate;

protected:
    void drawCurrent(sf::RenderWindow& window) override;
    void updateCurrent(sf::Time dt) override;
    void applyPowerUpCurrent(int kind) override;
    void startFrameCurrent() override;
    void resetPowerUpsCurrent() override;
    void handleInputCurrent(sf::Keyboard::Key key, bool pressed) override;

private:
    void note(const std::string& what);

    std::vector<std::string>* mLog;
    std::string mName;
};
} // namespace TestNodes
