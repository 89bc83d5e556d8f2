#include "scene/SceneNode.hpp"
#include "scene/Entity.hpp"
#include "support/TestNodes.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderWindow.hpp>

#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

using TestNodes::BoxNode;

namespace
{
using Log = std::vector<std::string>;

BoxNode* attach(SceneNode& parent, std::unique_ptr<BoxNode> child)
{
    BoxNode* raw = child.get();
    parent.attachChild(std::move(child));
    return raw;
}

std::set<SceneNode::Pair> pairsOf(SceneNode& root)
{
    std::set<SceneNode::Pair> pairs;
    root.collectCollisionPairs(root, pairs);
    return pairs;
}
} // namespace

class SceneWalks : public ::testing::Test
{
protected:
    // root -> a -> (a1, a2), root -> b
    SceneWalks()
    {
        a = attach(root, std::make_unique<BoxNode>(&log, "a"));
        a1 = attach(*a, std::make_unique<BoxNode>(&log, "a1"));
        a2 = attach(*a, std::make_unique<BoxNode>(&log, "a2"));
        b = attach(root, std::make_unique<BoxNode>(&log, "b"));
    }

    Log log;
    BoxNode root{&log, "root"};
    BoxNode* a;
    BoxNode* a1;
    BoxNode* a2;
    BoxNode* b;
};

TEST_F(SceneWalks, EveryWalkVisitsOwnHookThenChildrenInAttachmentOrder)
{
    struct Walk
    {
        std::function<void(SceneNode&)> run;
        std::string hook;
    };
    sf::RenderWindow& window = TestWindow::shared();
    const std::vector<Walk> walks = {
        {[&](SceneNode& n) { n.draw(window); }, "draw"},
        {[](SceneNode& n) { n.update(sf::seconds(0.1f)); }, "update"},
        {[](SceneNode& n) { n.startFrame(); }, "start"},
        {[](SceneNode& n) { n.applyPowerUp(2); }, "power2"},
        {[](SceneNode& n) { n.handleInput(sf::Keyboard::Up, true); }, "input"},
        {[](SceneNode& n) { n.resetPowerUps(); }, "reset"},
    };
    for (const Walk& walk : walks)
    {
        log.clear();
        walk.run(root);
        const Log expected = {"root:" + walk.hook, "a:" + walk.hook, "a1:" + walk.hook,
                              "a2:" + walk.hook, "b:" + walk.hook};
        EXPECT_EQ(log, expected) << walk.hook;
    }
}

TEST_F(SceneWalks, ChildAttachedByOwnHookIsVisitedInTheSamePass)
{
    a->onUpdate = [this](BoxNode& self) { attach(self, std::make_unique<BoxNode>(&log, "fresh")); };
    root.update(sf::seconds(0.1f));
    const Log expected = {"root:update", "a:update",     "a1:update",
                          "a2:update",   "fresh:update", "b:update"};
    EXPECT_EQ(log, expected);
}

TEST_F(SceneWalks, AttachingSetsTheParent)
{
    EXPECT_EQ(a1->parent(), a);
    EXPECT_EQ(a->parent(), &root);
    EXPECT_EQ(root.parent(), nullptr);
}

TEST_F(SceneWalks, DetachHandsTheChildBackAndKeepsTheOthersInOrder)
{
    SceneNode::Ptr detached = a->detachChild(*a1);
    EXPECT_EQ(detached.get(), a1);
    EXPECT_EQ(a1->parent(), nullptr);
    ASSERT_EQ(a->childCount(), 1u);
    EXPECT_EQ(&a->child(0), a2);
}

// In every build type, not only where assertions are compiled in.
TEST_F(SceneWalks, DetachingANodeThatIsNotAChildStopsWithAMessage)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(a->detachChild(*b), "detachChild: the node is not a child of this node");
    EXPECT_DEATH(a->detachChild(*a), "not a child");
}

class SceneRemoval : public ::testing::Test
{
protected:
    Log log;
    BoxNode root{&log, "root"};
};

TEST_F(SceneRemoval, SurvivorsKeepTheirOrder)
{
    std::vector<BoxNode*> nodes;
    for (const char* name : {"n0", "n1", "n2", "n3", "n4"})
        nodes.push_back(attach(root, std::make_unique<BoxNode>(&log, name)));
    nodes[1]->destroy();
    nodes[3]->destroy();

    root.update(sf::Time::Zero);

    ASSERT_EQ(root.childCount(), 3u);
    EXPECT_EQ(&root.child(0), nodes[0]);
    EXPECT_EQ(&root.child(1), nodes[2]);
    EXPECT_EQ(&root.child(2), nodes[4]);
}

TEST_F(SceneRemoval, RemovingANodeDeletesItsWholeSubtree)
{
    struct Tracked : BoxNode
    {
        explicit Tracked(int& counter) : mCounter(counter) {}
        ~Tracked() override { ++mCounter; }
        int& mCounter;
    };
    int deleted = 0;
    auto ship = std::make_unique<Tracked>(deleted);
    Tracked* shipRaw = ship.get();
    shipRaw->attachChild(std::make_unique<Tracked>(deleted)); // missiles in flight
    shipRaw->attachChild(std::make_unique<Tracked>(deleted));
    root.attachChild(std::move(ship));

    shipRaw->destroy();
    root.update(sf::Time::Zero);

    EXPECT_EQ(deleted, 3);
    EXPECT_EQ(root.childCount(), 0u);
}

TEST_F(SceneRemoval, NodeFlaggedInItsOwnHookIsGoneWhenItsParentsUpdateReturns)
{
    BoxNode* layer = attach(root, std::make_unique<BoxNode>(&log, "layer"));
    BoxNode* missile = attach(*layer, std::make_unique<BoxNode>(&log, "missile"));
    missile->onUpdate = [](BoxNode& self) { self.destroy(); };

    layer->update(sf::Time::Zero);

    EXPECT_EQ(layer->childCount(), 0u);
}

TEST_F(SceneRemoval, DestroyedNodeIsStillWalkedUntilTheNextUpdate)
{
    BoxNode* doomed = attach(root, std::make_unique<BoxNode>(&log, "doomed"));
    doomed->destroy();
    root.handleInput(sf::Keyboard::Left, true);
    EXPECT_EQ(log, (Log{"root:input", "doomed:input"}));
}

TEST(EntityNode, DestroyingAnEntityRemovesTheMissilesItFired)
{
    BoxNode root;
    auto enemy = std::make_unique<Entity>(sf::Vector2f(0.f, 30.f));
    Entity* enemyRaw = enemy.get();
    enemyRaw->attachChild(std::make_unique<BoxNode>(sf::FloatRect(0, 0, 5, 5)));
    root.attachChild(std::move(enemy));

    enemyRaw->destroy();
    root.update(sf::seconds(1.f));

    EXPECT_EQ(root.childCount(), 0u);
}

class CollisionSearch : public ::testing::Test
{
protected:
    BoxNode root;
};

TEST_F(CollisionSearch, OverlappingNodesYieldOnePairWithTheLowerAddressFirst)
{
    BoxNode* layer = attach(root, std::make_unique<BoxNode>());
    BoxNode* first = attach(*layer, std::make_unique<BoxNode>(sf::FloatRect(0, 0, 10, 10)));
    BoxNode* second = attach(root, std::make_unique<BoxNode>(sf::FloatRect(5, 5, 10, 10)));

    const auto pairs = pairsOf(root);

    ASSERT_EQ(pairs.size(), 1u);
    const SceneNode::Pair expected = std::minmax<SceneNode*>(first, second);
    EXPECT_EQ(*pairs.begin(), expected);
    EXPECT_LT(pairs.begin()->first, pairs.begin()->second);
}

TEST_F(CollisionSearch, ANodeIsNeverPairedWithItself)
{
    attach(root, std::make_unique<BoxNode>(sf::FloatRect(0, 0, 10, 10)));
    EXPECT_TRUE(pairsOf(root).empty());
}

TEST_F(CollisionSearch, DestroyedNodesAreNeverPaired)
{
    BoxNode* live = attach(root, std::make_unique<BoxNode>(sf::FloatRect(0, 0, 10, 10)));
    BoxNode* dead = attach(root, std::make_unique<BoxNode>(sf::FloatRect(0, 0, 10, 10)));
    dead->destroy();
    EXPECT_TRUE(pairsOf(root).empty());
    (void)live;
}

TEST_F(CollisionSearch, UntexturedNodesAreNeverPairedWherever)
{
    BoxNode* layer = attach(root, std::make_unique<BoxNode>());
    layer->moveTo({5.f, 5.f});
    attach(*layer, std::make_unique<BoxNode>(sf::FloatRect(0, 0, 10, 10)));
    EXPECT_TRUE(pairsOf(root).empty());
}

struct EdgeCase
{
    const char* name;
    sf::FloatRect other;
    bool pairs;
};

void PrintTo(const EdgeCase& edge, std::ostream* out)
{
    *out << edge.name;
}

class CollisionEdges : public ::testing::TestWithParam<EdgeCase>
{
};

TEST_P(CollisionEdges, OnlyAStrictlyPositiveOverlapPairs)
{
    BoxNode root;
    attach(root, std::make_unique<BoxNode>(sf::FloatRect(0, 0, 10, 10)));
    attach(root, std::make_unique<BoxNode>(GetParam().other));
    EXPECT_EQ(pairsOf(root).size(), GetParam().pairs ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Rectangles, CollisionEdges,
                         ::testing::Values(EdgeCase{"TouchingRightEdge", {10, 0, 10, 10}, false},
                                           EdgeCase{"TouchingBottomEdge", {0, 10, 10, 10}, false},
                                           EdgeCase{"TouchingCorner", {10, 10, 5, 5}, false},
                                           EdgeCase{"OverlapByAFraction", {9.5f, 0, 10, 10}, true},
                                           EdgeCase{"Identical", {0, 0, 10, 10}, true},
                                           EdgeCase{"Contained", {2, 2, 3, 3}, true},
                                           EdgeCase{"FarAway", {100, 100, 10, 10}, false}),
                         [](const ::testing::TestParamInfo<EdgeCase>& param)
                         { return param.param.name; });

TEST_F(CollisionSearch, EveryOverlappingPairOfAClusterIsFoundOnce)
{
    std::vector<BoxNode*> nodes;
    for (int i = 0; i < 4; ++i)
        nodes.push_back(attach(
            root, std::make_unique<BoxNode>(sf::FloatRect(static_cast<float>(i), 0, 10, 10))));
    EXPECT_EQ(pairsOf(root).size(), 6u);
}
