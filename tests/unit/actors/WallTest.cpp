#include "actors/Wall.hpp"
#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"
#include "support/TestNodes.hpp"

#include "support/ActorTestKit.hpp"
#include "support/ConsoleCapture.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderWindow.hpp>

using TestNodes::BoxNode;

class WallPlacement : public ::testing::Test
{
protected:
    ActorMedia media;
};

TEST_F(WallPlacement, LiesJustBelowTheBottomOfTheField)
{
    const Wall wall(media.cache());
    const sf::Vector2f size = media.textureSize(Textures::Wall);
    EXPECT_EQ(wall.getCategory(), Category::Wall);
    EXPECT_EQ(wall.getBoundingRect(), sf::FloatRect(0.f, 800.f, size.x, size.y));
}

TEST_F(WallPlacement, AnEnemyTouchesItOnlyOnceItsBottomEdgeIsBelowTheField)
{
    Wall wall(media.cache());
    const float bottom = static_cast<float>(Field::Height);
    const float wallWidth = media.textureSize(Textures::Wall).x;
    struct Case
    {
        const char* what;
        sf::FloatRect enemy;
        bool touches;
    };
    const Case cases[] = {
        {"bottom edge on the field's bottom", {100.f, bottom - 30.f, 30.f, 30.f}, false},
        {"half a pixel below", {100.f, bottom - 29.5f, 30.f, 30.f}, true},
        {"at the left end", {-10.f, bottom - 29.f, 30.f, 30.f}, true},
        {"past the wall's right end", {wallWidth, bottom - 29.f, 30.f, 30.f}, false},
    };
    for (const Case& c : cases)
    {
        BoxNode enemy(c.enemy, Category::Enemy);
        EXPECT_EQ(wall.collidesWith(enemy, wall), c.touches) << c.what;
        EXPECT_EQ(wall.collidesWith(wall, enemy), c.touches) << c.what;
    }
}

TEST(WallWithoutItsPicture, KeepsTheGamesOwnSizeSoThatAnEnemyReachingItStillEndsPlay)
{
    TestWindow::shared(); // textures want a GL context
    ResourceCache cache;
    {
        ConsoleCapture failedLoad;
        cache.load(Textures::Wall, "no/such/Wall.png");
    }
    Wall wall(&cache);
    EXPECT_EQ(wall.getBoundingRect(), sf::FloatRect(0.f, 800.f, 3840.f, 64.f));
    BoxNode enemy({100.f, 771.f, 30.f, 30.f}, Category::Enemy);
    EXPECT_TRUE(wall.collidesWith(enemy, wall));
}
