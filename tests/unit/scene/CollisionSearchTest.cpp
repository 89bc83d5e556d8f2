#include "scene/SceneNode.hpp"
#include "support/AllPairsSearch.hpp"
#include "support/TestNodes.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <set>
#include <vector>

using TestNodes::BoxNode;

namespace
{
using Pairs = std::set<SceneNode::Pair>;

// A random scene: nodes hang anywhere below the root (also below destroyed or
// untextured nodes), and their rectangles lie on a half-pixel grid so that
// touching edges, identical and empty rectangles turn up often.
class RandomTree
{
public:
    explicit RandomTree(unsigned seed) : mRandom(seed)
    {
        nodes.push_back(&root);
        const bool column = chance(0.1); // everything stacked on one x: the sweep must turn
        const float spreadX = chance(0.5) ? 1.f : 8.f;
        const float spreadY = chance(0.5) ? 1.f : 8.f;
        const int count = std::uniform_int_distribution<int>(0, 60)(mRandom);
        std::vector<sf::FloatRect> used;
        for (int i = 0; i < count; ++i)
        {
            std::unique_ptr<BoxNode> node;
            if (chance(0.1))
                node = std::make_unique<BoxNode>();
            else
            {
                sf::FloatRect area;
                if (!used.empty() && chance(0.15))
                    area = used[pick(used.size())];
                else
                {
                    area = {column ? 3.f : halfStep(-10, 40) * spreadX, halfStep(-10, 40) * spreadY,
                            halfStep(0, 16) * spreadX, halfStep(0, 16) * spreadY};
                    if (chance(0.02))
                        (chance(0.5) ? area.left : area.width) =
                            std::numeric_limits<float>::quiet_NaN();
                }
                used.push_back(area);
                node = std::make_unique<BoxNode>(area);
            }
            if (chance(0.15))
                node->destroy();
            BoxNode* raw = node.get();
            nodes[pick(nodes.size())]->attachChild(std::move(node));
            nodes.push_back(raw);
        }
    }

    BoxNode& anyNode() { return *nodes[pick(nodes.size())]; }

    BoxNode root;
    std::vector<BoxNode*> nodes; // the root first, then in creation order

private:
    bool chance(double probability) { return std::bernoulli_distribution(probability)(mRandom); }
    std::size_t pick(std::size_t size)
    {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(mRandom);
    }
    float halfStep(int from, int to)
    {
        return static_cast<float>(std::uniform_int_distribution<int>(from * 2, to * 2)(mRandom)) /
               2.f;
    }

    std::mt19937 mRandom;
};

constexpr unsigned TreeCount = 400;

// Runs the check on five pairs of nodes of every random tree, up to the first failure.
void forPickedNodes(const std::function<void(SceneNode& calling, SceneNode& passed)>& check)
{
    for (unsigned seed = 0; seed < TreeCount; ++seed)
    {
        SCOPED_TRACE(seed);
        RandomTree tree(seed);
        for (int trial = 0; trial < 5 && !::testing::Test::HasFatalFailure(); ++trial)
        {
            SceneNode& calling = tree.anyNode();
            check(calling, tree.anyNode());
        }
        if (::testing::Test::HasFatalFailure())
            return;
    }
}
} // namespace

TEST(CollisionSearchAgainstAllPairs, WholeTreeYieldsTheSamePairs)
{
    for (unsigned seed = 0; seed < TreeCount; ++seed)
    {
        SCOPED_TRACE(seed);
        RandomTree tree(seed);
        Pairs fast;
        Pairs reference;
        tree.root.collectCollisionPairs(tree.root, fast);
        AllPairsSearch::collectCollisionPairs(tree.root, tree.root, reference);
        ASSERT_EQ(fast, reference);
    }
}

// Between two subtrees that are the same, nested or apart, and added to pairs
// already in the set.
TEST(CollisionSearchAgainstAllPairs, TwoSubtreesYieldTheSamePairs)
{
    forPickedNodes(
        [](SceneNode& calling, SceneNode& passed)
        {
            const Pairs earlier = {std::minmax<SceneNode*>(&calling, &passed)};
            Pairs fast = earlier;
            Pairs reference = earlier;
            calling.collectCollisionPairs(passed, fast);
            AllPairsSearch::collectCollisionPairs(calling, passed, reference);
            ASSERT_EQ(fast, reference);
        });
}

TEST(CollisionSearchAgainstAllPairs, PairsWithOneNodeAreTheSame)
{
    forPickedNodes(
        [](SceneNode& calling, SceneNode& passed)
        {
            Pairs fast;
            Pairs reference;
            calling.collectPairsWith(passed, fast);
            AllPairsSearch::collectPairsWith(calling, passed, reference);
            ASSERT_EQ(fast, reference);
        });
}

TEST(CollisionSweep, ColumnOfMissilesPairsEachWithItsNeighbours)
{
    BoxNode root;
    BoxNode* ship = new BoxNode(sf::FloatRect(0, 1000, 40, 40));
    root.attachChild(std::unique_ptr<SceneNode>(ship));
    for (int i = 0; i < 50; ++i)
        ship->attachChild(
            std::make_unique<BoxNode>(sf::FloatRect(18, static_cast<float>(i) * 7.f, 4, 10)));

    Pairs pairs;
    root.collectCollisionPairs(root, pairs);

    EXPECT_EQ(pairs.size(), 49u); // 7 apart and 10 tall: only next neighbours overlap
}

TEST(CollisionSweep, NodeWithUndefinedBoundsIsJudgedLikeTheWalkJudgesIt)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const sf::FloatRect odd : {sf::FloatRect(nan, 0, 10, 10), sf::FloatRect(0, 0, nan, 10),
                                    sf::FloatRect(0, nan, 10, 10)})
    {
        BoxNode root;
        root.attachChild(std::make_unique<BoxNode>(sf::FloatRect(0, 0, 10, 10)));
        root.attachChild(std::make_unique<BoxNode>(odd));
        root.attachChild(std::make_unique<BoxNode>(odd));
        root.attachChild(std::make_unique<BoxNode>(sf::FloatRect(5, 5, 10, 10)));

        Pairs fast;
        Pairs reference;
        root.collectCollisionPairs(root, fast);
        AllPairsSearch::collectCollisionPairs(root, root, reference);
        EXPECT_EQ(fast, reference);
    }
}
