#include "presentation/Background.hpp"
#include "resources/ResourceCache.hpp"
#include "support/PlayMedia.hpp"
#include "support/SceneInspection.hpp"
#include "support/TestNodes.hpp"
#include "support/TestWindow.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace
{
struct ScrollCase
{
    const char* name;
    std::vector<sf::Time> steps; // one frame each
    float tile0Y;
    float tile1Y;
};

// 750.6 px, then 49.39995 px: in floats the sum is exactly the field's height.
const sf::Time ToTheBottom[] = {sf::microseconds(5'004'000), sf::microseconds(329'333)};
const sf::Time JustOver = sf::milliseconds(2); // 0.3 px

std::ostream& operator<<(std::ostream& out, const ScrollCase& c)
{
    return out << c.name;
}
} // namespace

// The field is 800 high, whatever the window: this one is 600 high.
class BackgroundTiles : public ::testing::Test
{
protected:
    BackgroundTiles()
    {
        PlayMedia::loadInto(mResources);
        mBackground = std::make_unique<Background>(&mWindow, &mResources);
    }

    void expectTilesAt(float tile0Y, float tile1Y)
    {
        const std::vector<backgroundTile>& tiles = mBackground->getTiles();
        ASSERT_EQ(tiles.size(), 2u);
        const float expected[] = {tile0Y, tile1Y};
        for (std::size_t i = 0; i < 2; ++i)
        {
            SCOPED_TRACE("tile " + std::to_string(i));
            EXPECT_NEAR(tiles[i].position.y, expected[i], 1e-3f);
            EXPECT_EQ(tiles[i].position.x, 0.f);
            // The sprite is drawn where the wrap test thinks the tile is.
            EXPECT_EQ(tiles[i].sprite.getPosition(), tiles[i].position);
        }
    }

    sf::RenderWindow mWindow{sf::VideoMode(800, 600, 32), "Vantorix background test"};
    ResourceCache mResources;
    std::unique_ptr<Background> mBackground;
};

class BackgroundScroll : public BackgroundTiles, public ::testing::WithParamInterface<ScrollCase>
{
};

TEST_P(BackgroundScroll, TilesSlideDownAndWrapOnlyOncePastTheBottom)
{
    for (sf::Time step : GetParam().steps)
        mBackground->update(step);
    expectTilesAt(GetParam().tile0Y, GetParam().tile1Y);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, BackgroundScroll,
    ::testing::Values(
        ScrollCase{"StartStacked", {}, 0.f, -800.f},
        ScrollCase{"ZeroStepMovesNothing", {sf::Time::Zero, sf::Time::Zero}, 0.f, -800.f},
        ScrollCase{"OneSecondIs150Pixels", {sf::seconds(1.f)}, 150.f, -650.f},
        ScrollCase{"ExactlyAtTheBottomStays", {ToTheBottom[0], ToTheBottom[1]}, 800.f, 0.f},
        // Tile 0 wraps to -H; the overshoot is dropped, not carried over.
        ScrollCase{
            "JustPastTheBottomWraps", {ToTheBottom[0], ToTheBottom[1], JustOver}, -800.f, 0.3f},
        ScrollCase{"SecondTileWrapsBackToExactlyMinusH",
                   {ToTheBottom[0], ToTheBottom[1], JustOver, sf::microseconds(5'333'333)},
                   0.f,
                   -800.f},
        // 1800 px in one frame carries both tiles below: each goes directly above the
        // other rather than to -H, where the two would stand as one for the rest of the game.
        ScrollCase{"StepOverTwiceTheHeightStacksThemAgain", {sf::seconds(12.f)}, 200.f, -600.f}),
    [](const ::testing::TestParamInfo<ScrollCase>& caseInfo) { return caseInfo.param.name; });

TEST_F(BackgroundTiles, ResizingTheWindowLeavesTheWrapAtTheFieldsHeight)
{
    mBackground->update(sf::seconds(3.f)); // tile 0 at 450
    mWindow.setSize(sf::Vector2u(800, 900));
    ASSERT_EQ(mWindow.getSize().y, 900u);

    mBackground->update(sf::seconds(2.f)); // 750: past the window's old height
    expectTilesAt(750.f, -50.f);

    // 900: past the field, not the window. A second's step leaves a gap wider than
    // the picture's spare rows: the copy goes directly above the other one.
    mBackground->update(sf::seconds(1.f));
    expectTilesAt(-700.f, 100.f);
}

TEST(BackgroundCollision, NeverPartOfAPairWhateverOverlapsIt)
{
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix background test");
    ResourceCache resources;
    PlayMedia::loadInto(resources);
    ASSERT_GT(resources.get(Textures::Galaxy).getSize().y, 0u) << "needs the generated galaxy";

    TestNodes::BoxNode root;
    root.attachChild(std::make_unique<Background>(&window, &resources));
    for (int category = 0; category <= 7; ++category)
        root.attachChild(
            std::make_unique<TestNodes::BoxNode>(sf::FloatRect(0, -800, 800, 1600), category));

    std::set<SceneNode::Pair> pairs;
    root.collectCollisionPairs(root, pairs);

    SceneNode* background = &SceneInspection::childOf(root, 0);
    for (const SceneNode::Pair& pair : pairs)
        EXPECT_TRUE(pair.first != background && pair.second != background);
    EXPECT_FALSE(pairs.empty()) << "the boxes themselves do overlap";
}

// A wrap drops the overshoot, so the two copies stand up to a frame's step closer or
// further apart than the field is high; the galaxy's margins must cover every field row.
TEST(BackgroundSeam, EveryFieldRowIsCoveredInEveryFrameAtAnyRateFromFiveFramesASecond)
{
    struct Case
    {
        float step;     // seconds per ordinary frame
        float hitch;    // seconds of the occasional long frame
        int hitchEvery; // frames from one long frame to the next
    };
    const Case cases[] = {{1.f / 300.f, 0.f, 1},  {1.f / 60.f, 0.f, 1},
                          {0.2f, 0.f, 1},         {1.f / 300.f, 1.f / 15.f, 97},
                          {1.f / 60.f, 0.5f, 61}, {1.f / 60.f, 3.f, 400}};
    sf::RenderWindow& window = TestWindow::shared();
    ResourceCache resources;
    PlayMedia::loadInto(resources);
    ASSERT_GT(resources.get(Textures::Galaxy).getSize().y, 0u) << "needs the generated galaxy";
    for (const Case& c : cases)
    {
        Background background(&window, &resources);
        float elapsed = 0.f;
        for (int frame = 1; elapsed < 40.f; ++frame)
        {
            const float step = c.hitch > 0.f && frame % c.hitchEvery == 0 ? c.hitch : c.step;
            background.update(sf::seconds(step));
            elapsed += step;
            sf::FloatRect upper = background.getTiles()[0].sprite.getGlobalBounds();
            sf::FloatRect lower = background.getTiles()[1].sprite.getGlobalBounds();
            if (lower.top < upper.top)
                std::swap(upper, lower);
            ASSERT_TRUE(upper.top <= 0.f && upper.top + upper.height >= lower.top &&
                        lower.top + lower.height >= 800.f)
                << "frames of " << c.step << " s, after " << elapsed << " s: copies at "
                << upper.top << " and " << lower.top;
        }
    }
}
