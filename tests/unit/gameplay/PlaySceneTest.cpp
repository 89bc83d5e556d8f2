#include "actors/Enemy.hpp"
#include "actors/Player.hpp"
#include "actors/Wall.hpp"
#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"
#include "presentation/Background.hpp"
#include "presentation/ScoreBoard.hpp"
#include "support/FakeClock.hpp"
#include "support/PlayScreen.hpp"
#include "support/SceneInspection.hpp"
#include "support/SharedState.hpp"
#include "support/TestNodes.hpp"
#include "support/TestWindow.hpp"
#include "support/WindowCapture.hpp"
#include "support/WorkingDirectory.hpp"

#include <SFML/Graphics/View.hpp>

#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>
#include <vector>

using SceneInspection::childOf;
using SceneInspection::childrenOf;

namespace
{
// Only the play screen's own structure nodes are plain SceneNodes.
bool isPlainNode(const SceneNode& node)
{
    return typeid(node) == typeid(SceneNode);
}
} // namespace

class PlaySceneStart : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;
    ScopedWorkingDirectory mInMedia{TestFolders::withMedia()};
};

TEST_F(PlaySceneStart, BackgroundShipWallAndBoardInDrawingOrder)
{
    PlayScreen game(TestWindow::sharedSession());
    const std::vector<SceneNode*> layers = childrenOf(game.sceneGraph());
    ASSERT_EQ(layers.size(), 4u);

    ASSERT_TRUE(isPlainNode(*layers[0]));
    ASSERT_EQ(childrenOf(*layers[0]).size(), 1u);
    EXPECT_NE(dynamic_cast<Background*>(&childOf(*layers[0], 0)), nullptr);

    ASSERT_TRUE(isPlainNode(*layers[1]));
    ASSERT_EQ(childrenOf(*layers[1]).size(), 1u);
    SceneNode& ship = childOf(*layers[1], 0);
    EXPECT_NE(dynamic_cast<Player*>(&ship), nullptr);
    EXPECT_EQ(ship.getSpritePosition().x, 400.f);
    EXPECT_FLOAT_EQ(ship.getSpritePosition().y, 727.2727f);

    EXPECT_NE(dynamic_cast<Wall*>(layers[2]), nullptr);
    EXPECT_TRUE(childrenOf(*layers[2]).empty());
    EXPECT_NE(dynamic_cast<ScoreBoard*>(layers[3]), nullptr);
    EXPECT_TRUE(childrenOf(*layers[3]).empty());
}

// The window's size is only how large the field is shown.
TEST_F(PlaySceneStart, ShipStartsAtTheFieldsBottomCentreWhateverTheWindowsSize)
{
    sf::RenderWindow window(sf::VideoMode(800, 800, 32), "Vantorix play test");
    TestSession session(window);
    for (const sf::Vector2u size : {sf::Vector2u(1001, 650), sf::Vector2u(640, 480),
                                    sf::Vector2u(801, 801), sf::Vector2u(300, 1200)})
    {
        window.setSize(size);
        ASSERT_EQ(window.getSize(), size);

        PlayScreen game(session);

        const sf::Vector2f ship = childOf(childOf(game.sceneGraph(), 1), 0).getSpritePosition();
        EXPECT_EQ(ship.x, 400.f) << size.x << " x " << size.y;
        EXPECT_FLOAT_EQ(ship.y, 727.2727f) << size.x << " x " << size.y;
    }
}

class PlayFrame : public PlaySceneStart
{
protected:
    sf::RenderWindow& mWindow = TestWindow::shared();
    PlayScreen mGame{TestWindow::sharedSession()};
};

// The spawner runs between the update walk and the collision rules, so its
// enemy meets the rules and the draw walk before it has ever moved.
TEST_F(PlayFrame, SpawnedEnemyIsCollisionTestedAndDrawnBeforeItsFirstUpdate)
{
    // Clear everything but the newcomer from the strip above the window, and look there.
    childOf(childOf(mGame.sceneGraph(), 0), 0).destroy(); // background
    childOf(mGame.sceneGraph(), 3).destroy();             // score board
    auto strip = std::make_unique<TestNodes::BoxNode>(sf::FloatRect(0.f, -40.f, 800.f, 39.f),
                                                      Category::PlayerMissile);
    TestNodes::BoxNode& missile = *strip;
    mGame.sceneGraph().attachChild(std::move(strip));

    // The spawner's first three seconds pass in one frame.
    FakeClock::advanceSeconds(3.001f);
    mGame.processEvents();
    mGame.update(sf::seconds(3.001f));

    const std::vector<SceneNode*> children = childrenOf(mGame.sceneGraph());
    ASSERT_EQ(children.size(), 5u) << "background layer, ship layer, wall, strip, enemy";
    Enemy* enemy = dynamic_cast<Enemy*>(children.back());
    ASSERT_NE(enemy, nullptr);
    EXPECT_EQ(enemy->getSpritePosition().y, -32.f) << "not moved by this frame's update";
    EXPECT_TRUE(enemy->isDestroyed()) << "hit by the strip in this frame";
    EXPECT_TRUE(missile.isDestroyed());

    // The frame's draw walk, with the view moved up to where enemies enter
    // (after event polling, which puts the view back on a resize).
    mWindow.setView(sf::View(sf::FloatRect(0.f, -400.f, 800.f, 800.f)));
    mWindow.clear(sf::Color::Black);
    mGame.sceneGraph().draw(mWindow);
    const sf::FloatRect bounds = enemy->getBoundingRect();
    EXPECT_TRUE(WindowCapture::hasLitPixel(
        WindowCapture::grab(mWindow),
        sf::IntRect(static_cast<int>(bounds.left), static_cast<int>(bounds.top) + 400,
                    static_cast<int>(bounds.width), static_cast<int>(bounds.height))));
    mWindow.setView(Field::letterbox(mWindow.getSize()));
}
