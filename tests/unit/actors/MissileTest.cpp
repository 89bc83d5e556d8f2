#include "actors/Missile.hpp"
#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"
#include "presentation/ShotLook.hpp"
#include "resources/MediaFiles.hpp"
#include "support/TestNodes.hpp"

#include "support/ActorTestKit.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <filesystem>
#include <memory>

using TestNodes::BoxNode;

class MissileFlight : public ::testing::Test
{
protected:
    Missile* launch(float x, float y, int direction)
    {
        return attachTo(root, std::make_unique<Missile>(media.window(), media.cache(), x, y,
                                                        direction, Category::PlayerMissile));
    }

    ActorMedia media;
    BoxNode root;
};

TEST_F(MissileFlight, MovesSixHundredPixelsPerSecondStraightAlongItsDirection)
{
    struct Case
    {
        int direction;
        float dt;
        sf::Vector2f expected;
    };
    const Case cases[] = {
        {-1, 0.1f, {50.f, 40.f}},
        {1, 0.1f, {50.f, 160.f}},
        {-1, 0.f, {50.f, 100.f}},
        {1, 0.f, {50.f, 100.f}},
    };
    for (const Case& c : cases)
    {
        Missile* missile = launch(50.f, 100.f, c.direction);
        missile->update(sf::seconds(c.dt));
        const sf::Vector2f position = missile->getSpritePosition();
        EXPECT_FLOAT_EQ(position.x, c.expected.x) << c.direction << " " << c.dt;
        EXPECT_FLOAT_EQ(position.y, c.expected.y) << c.direction << " " << c.dt;
        missile->destroy();
        root.update(sf::Time::Zero);
    }
}

// Steps of 1/16 s are 37.5 px: exact in floats, so a missile can be put with
// an edge exactly on the field's edge.
class MissileLeavingTheWindow : public MissileFlight
{
protected:
    static constexpr float Step = 1.f / 16.f;
    float beamHeight() { return media.textureSize(Textures::Beam).y; }
};

TEST_F(MissileLeavingTheWindow, StaysWhileAnyPartOfItCanBeSeen)
{
    const float height = static_cast<float>(Field::Height);
    struct Case
    {
        const char* what;
        int direction;
        float startY; // one step before the edge position
    };
    const Case cases[] = {
        {"upward, bottom edge reaches y = 0", -1, -beamHeight() + 37.5f},
        {"downward, top edge reaches the field's height", 1, height - 37.5f},
    };
    for (const Case& c : cases)
    {
        launch(10.f, c.startY, c.direction);
        root.update(sf::seconds(Step));
        EXPECT_EQ(root.childCount(), 1u) << c.what << ": still visible on the edge";
        root.update(sf::seconds(Step));
        EXPECT_EQ(root.childCount(), 0u) << c.what << ": gone in the update that takes it past";
    }
}

TEST_F(MissileLeavingTheWindow, ZeroTimeStepLeavesAnOnScreenMissileAlone)
{
    Missile* missile = launch(10.f, 0.f, -1);
    root.update(sf::Time::Zero);
    ASSERT_EQ(root.childCount(), 1u);
    EXPECT_EQ(missile->getSpritePosition(), sf::Vector2f(10.f, 0.f));
}

TEST_F(MissileLeavingTheWindow, BottomTestIsTheFieldsWhateverTheWindowsSize)
{
    sf::RenderWindow window(sf::VideoMode(400, 450), "small");
    const Missile inside(&window, media.cache(), 0.f, 799.f, 1, Category::EnemyMissile);
    const Missile below(&window, media.cache(), 0.f, 801.f, 1, Category::EnemyMissile);
    EXPECT_FALSE(inside.isOffScreen());
    EXPECT_TRUE(below.isOffScreen());
}

// The enemies' shots wear a colour of their own, and with shot shapes chosen a picture of
// their own too, when one of the beam's size opened: on the bounds of the ships' shots.
TEST_F(MissileFlight, EnemyShotsWearAColourAndAShapeOfTheirOwnOnBoundsLikeTheShips)
{
    struct Case
    {
        unsigned int shapeSide; // 0: no shape file; 8 x 30 is the beam's size here
        bool shapes;
        bool shaped;
    };
    const Case cases[] = {
        {8, false, false},
        {8, true, true},
        {10, true, false},
        {0, true, false},
    };
    for (const Case& c : cases)
    {
        TemporaryFolder folder("shot-shapes");
        if (c.shapeSide > 0)
        {
            sf::Image shape;
            shape.create(c.shapeSide, c.shapeSide == 8 ? 30 : c.shapeSide, sf::Color::Red);
            std::filesystem::create_directories((folder / MediaFiles::EnemyShot).parent_path());
            ASSERT_TRUE(shape.saveToFile((folder / MediaFiles::EnemyShot).string()));
        }
        ScopedWorkingDirectory inFolder(folder);
        ShotLook look;
        look.open(*media.cache());
        look.choose(*media.cache(), c.shapes);
        const Inspectable<Missile> ours(media.window(), media.cache(), 40.f, 60.f, -1,
                                        Category::PlayerMissile);
        const Inspectable<Missile> theirs(media.window(), media.cache(), 40.f, 60.f, 1,
                                          Category::EnemyMissile);
        EXPECT_NE(theirs.sprite().getColor(), ours.sprite().getColor());
        EXPECT_EQ(theirs.getBoundingRect(), ours.getBoundingRect());
        const sf::Color drawn = theirs.sprite().getTexture()->copyToImage().getPixel(0, 0);
        EXPECT_EQ(drawn == sf::Color::Red, c.shaped) << c.shapeSide << " " << c.shapes;
        EXPECT_EQ(ours.sprite().getTexture(), &media.cache()->get(Textures::Beam));
    }
}
