#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Transformable.hpp>
#include <SFML/System/NonCopyable.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

// Base of every object on the play screen. A node owns its children; every
// walk calls the node's own hook and then the same walk on each child, in
// attachment order. A node's place on screen is its sprite's position: node
// transforms are never composed.
class SceneNode : public sf::Transformable, private sf::NonCopyable
{
public:
    using Ptr = std::unique_ptr<SceneNode>;
    using Pair = std::pair<SceneNode*, SceneNode*>;

    // How much a ship can still take, for what is drawn over the scene only (a hit's
    // flash, the boss's health); a node that takes no hits has none.
    struct Health
    {
        unsigned int left = 0;
        unsigned int atStart = 0;
        bool closesLevel = false; // the boss
    };

    SceneNode();
    virtual ~SceneNode();

    virtual void attachChild(Ptr child);
    virtual void draw(sf::RenderWindow& window);
    virtual void update(sf::Time dt);
    virtual void startFrame();
    virtual void applyPowerUp(int kind);
    virtual void handleInput(sf::Keyboard::Key key, bool pressed);
    // Sounds that play on pause and resume with the game.
    virtual void setSoundsPaused(bool paused);
    virtual bool collidesWith(SceneNode& first, SceneNode& second);
    virtual bool isDestroyed() const;
    virtual bool isGameOver();
    virtual bool isOnLastHitPoint() const;
    virtual void resetPowerUps();
    virtual sf::Vector2f getSpritePosition() const;
    virtual sf::FloatRect getBoundingRect() const;
    virtual void destroy();
    virtual Health getHealth() const;
    // No shot or ram touches it: a ship just brought back from the reserves.
    virtual bool isUntouchable() const;

    // Flagged destroyed as it is, without what its destroy() would make of it (a hit, a
    // kill, a drop): the next update walk removes it.
    void removeFromPlay() { mDestroyed = true; }

    int getCategory() const;
    // What the node looks like, for what is drawn over it.
    const sf::Sprite& getSprite() const { return mSprite; }
    sf::Vector2f getLastChildPosition() const;
    Ptr detachChild(const SceneNode& node);

    // Calls visit on this node and on every node below it, in walk order, changing
    // nothing: for what is drawn over the scene without taking part in it.
    void visitNodes(const std::function<void(const SceneNode&)>& visit) const;

    // Calls visit on this node and then on its whole subtree, in walk order.
    template <typename Visit> void visitSubtree(Visit&& visit)
    {
        visit(*this);
        for (const Ptr& child : mChildren)
            child->visitSubtree(visit);
    }

    void collectCollisionPairs(SceneNode& node, std::set<Pair>& collisionPairs);
    void collectPairsWith(SceneNode& node, std::set<Pair>& collisionPairs);
    void removeDestroyed();

protected:
    virtual void drawCurrent(sf::RenderWindow& window);
    virtual void updateCurrent(sf::Time dt);
    virtual void applyPowerUpCurrent(int kind);
    virtual void startFrameCurrent();
    virtual void resetPowerUpsCurrent();
    virtual void handleInputCurrent(sf::Keyboard::Key key, bool pressed);
    virtual void setSoundsPausedCurrent(bool paused);

    std::vector<Ptr> mChildren;
    SceneNode* mParent = nullptr; // non-owning: the parent owns this node
    bool mDestroyed = false;
    sf::Sprite mSprite;
    int mCategory = -1; // matches no collision category until a subclass sets one
};
