#include "actors/Player.hpp"
#include "foundation/Field.hpp"
#include "foundation/GameClock.hpp"
#include "gameplay/Category.hpp"
#include "support/FakeClock.hpp"
#include "support/TestNodes.hpp"

#include "support/ActorTestKit.hpp"
#include "support/SharedState.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/Sound.hpp>

#include <cmath>
#include <memory>
#include <vector>

using TestNodes::BoxNode;

// The ships hang below a plain layer, as in the play screen. A frame is the
// play screen's order: time passes, the update walk, then the input walk.
class ShipTest : public ::testing::Test
{
protected:
    SharedState::Restorer mRestoresSharedState;

    void SetUp() override
    {
        Player::sShipCount = 1;
        Player::sFireRate = 2.f;
        Player::sSpeed = Player::sDefaultSpeed;
        ship = addShip({400.f, 700.f});
    }

    Inspectable<Player>* addShip(sf::Vector2f position)
    {
        return attachTo(layer, std::make_unique<Inspectable<Player>>(media.window(), media.cache(),
                                                                     position, clock));
    }

    void frame(sf::Time dt)
    {
        FakeClock::advance(dt);
        layer.update(dt);
    }

    void key(sf::Keyboard::Key code, bool pressed) { layer.handleInput(code, pressed); }

    static float fieldWidth() { return static_cast<float>(Field::Width); }

    GameClock clock;
    ActorMedia media;
    BoxNode layer;
    Inspectable<Player>* ship = nullptr;
};

class ShipFiring : public ShipTest
{
protected:
    // Holds Up from now on; returns the frames (counted from 1) in which a missile was fired.
    std::vector<int> holdUp(sf::Time dt, int frames)
    {
        key(sf::Keyboard::Up, true);
        std::vector<int> shots;
        std::size_t missiles = ship->childCount();
        for (int n = 1; n <= frames; ++n)
        {
            frame(dt);
            if (ship->childCount() > missiles)
                shots.push_back(n);
            missiles = ship->childCount();
        }
        return shots;
    }

    // The newest missile is the ship's last child; one that has moved less
    // than a frame's travel was fired in that frame. Older ones leave the
    // field and the tree, so counting children would miss shots.
    bool firedInLastFrame(sf::Time dt)
    {
        if (ship->childCount() == 0)
            return false;
        const sf::FloatRect body = ship->getBoundingRect();
        const float launchY = body.top - body.height / 2.f;
        const float newestY = ship->child(ship->childCount() - 1).getSpritePosition().y;
        return newestY > launchY - 600.f * dt.asSeconds() - 1.f;
    }
};

// 20 ms frames: half a second is exactly 25 frames, and exactly is not enough.
// Each interval counts from the frame that fired.
TEST_F(ShipFiring, FirstShotComesInTheFirstFrameAfterHalfASecondThenEveryHalfSecond)
{
    const std::vector<int> shots = holdUp(sf::milliseconds(20), 80);
    const std::vector<int> expected = {26, 52, 78};
    EXPECT_EQ(shots, expected);
}

// Held fire shoots in the first frame after more than the interval: the
// period is the smallest whole number of frames that lasts longer (at 60
// frames a second and the first rate, 31 frames: 1.94 shots a second).
TEST_F(ShipFiring, HeldFireShootsEveryWholeNumberOfFramesLongerThanTheInterval)
{
    struct Case
    {
        int framesPerSecond;
        float rate;
        int period;
    };
    const Case cases[] = {{60, 2.f, 31}, {144, 2.f, 73}, {60, 5.f, 13}, {144, 5.f, 29}};
    for (const Case& c : cases)
    {
        Player::sFireRate = c.rate;
        Inspectable<Player>* fresh = addShip({100.f, 700.f});
        ship->destroy();
        ship = fresh;
        const sf::Time frame = sf::microseconds(1000000 / c.framesPerSecond); // as --max-fps
        EXPECT_EQ(holdUp(frame, 3 * c.period), (std::vector{c.period, 2 * c.period, 3 * c.period}))
            << c.framesPerSecond << " frames a second, rate " << c.rate;
        key(sf::Keyboard::Up, false);
    }
}

// A frame of a second (the window dragged, say) fires one shot; the next comes
// a whole interval later (the 32nd frame of 16 ms), not at once.
TEST_F(ShipFiring, AStalledFrameIsNotMadeUpForWithABurst)
{
    holdUp(sf::milliseconds(16), 100);
    frame(sf::seconds(1.f));
    ASSERT_TRUE(firedInLastFrame(sf::seconds(1.f)));
    int frames = 0;
    do
        frame(sf::milliseconds(16));
    while (!firedInLastFrame(sf::milliseconds(16)) && ++frames < 100);
    EXPECT_EQ(frames + 1, 32);
}

TEST_F(ShipFiring, AfterAPauseTheFirstShotComesInTheFirstFrameUpIsSeen)
{
    for (int n = 0; n < 100; ++n)
        frame(sf::milliseconds(20));
    key(sf::Keyboard::Up, true); // recorded after this frame's update walk
    EXPECT_EQ(ship->childCount(), 0u);
    frame(sf::milliseconds(20));
    EXPECT_EQ(ship->childCount(), 1u);
}

TEST_F(ShipFiring, MissileLeavesFromAboveTheShipsCentreLineAndPlaysTheLaser)
{
    EXPECT_NE(ship->getLaserSound().getStatus(), sf::Sound::Playing);
    key(sf::Keyboard::Up, true);
    FakeClock::advanceSeconds(1.f);
    layer.update(sf::Time::Zero);
    ASSERT_EQ(ship->childCount(), 1u);

    SceneNode& missile = ship->child(0);
    const sf::FloatRect body = ship->getBoundingRect();
    EXPECT_EQ(missile.getCategory(), Category::PlayerMissile);
    EXPECT_FLOAT_EQ(missile.getSpritePosition().x, body.left + body.width / 2.f);
    EXPECT_FLOAT_EQ(missile.getSpritePosition().y, body.top - body.height / 2.f);
    EXPECT_EQ(ship->getLaserSound().getStatus(), sf::Sound::Playing);
    EXPECT_EQ(ship->getLaserSound().getBuffer(), &media.cache()->get(SoundBuffers::Laser));
}

// A sound that had already ended must not start over when play goes on.
TEST_F(ShipFiring, ItsSoundsPauseAndGoOnWithTheGame)
{
    key(sf::Keyboard::Up, true);
    FakeClock::advanceSeconds(1.f);
    layer.update(sf::Time::Zero);
    ASSERT_EQ(ship->getLaserSound().getStatus(), sf::Sound::Playing);
    ASSERT_EQ(ship->getPowerUpSound().getStatus(), sf::Sound::Stopped);

    layer.setSoundsPaused(true);
    EXPECT_EQ(ship->getLaserSound().getStatus(), sf::Sound::Paused);
    layer.setSoundsPaused(false);
    EXPECT_EQ(ship->getLaserSound().getStatus(), sf::Sound::Playing);
    EXPECT_EQ(ship->getPowerUpSound().getStatus(), sf::Sound::Stopped);
}

TEST_F(ShipFiring, MissileFiredInAnUpdateMovesInThatSameUpdate)
{
    key(sf::Keyboard::Up, true);
    FakeClock::advanceSeconds(1.f);
    layer.update(sf::seconds(0.1f));
    ASSERT_EQ(ship->childCount(), 1u);
    const sf::FloatRect body = ship->getBoundingRect();
    EXPECT_NEAR(ship->child(0).getSpritePosition().y, body.top - body.height / 2.f - 60.f, 1e-3);
}

class ShipMovement : public ShipTest
{
protected:
    // A ship whose right edge, as the ship itself measures it, is exactly at x = right.
    Inspectable<Player>* shipWithRightEdgeAt(float right)
    {
        Inspectable<Player>* candidate = addShip({right, 700.f});
        float x = right - candidate->getBoundingRect().width;
        for (int attempt = 0; attempt < 16; ++attempt)
        {
            candidate->destroy();
            candidate = addShip({x, 700.f});
            const float edge = x + candidate->getBoundingRect().width;
            if (edge == right)
                return candidate;
            x = std::nextafter(x, edge < right ? right : 0.f);
        }
        ADD_FAILURE() << "no ship position puts the right edge exactly at " << right;
        return candidate;
    }
};

TEST_F(ShipMovement, EdgeTestComesBeforeTheMoveSoAShipOnTheEdgeStepsOverOnce)
{
    ship->destroy();
    layer.update(sf::Time::Zero);
    ASSERT_EQ(layer.childCount(), 0u);

    struct Case
    {
        const char* what;
        sf::Keyboard::Key key;
        float speed;
    };
    const Case cases[] = {
        {"left edge at x = 0", sf::Keyboard::Left, 400.f},
        {"right edge at the field's width", sf::Keyboard::Right, 400.f},
        {"left edge with a speed bonus", sf::Keyboard::Left, 520.f},
        {"right edge with a speed bonus", sf::Keyboard::Right, 520.f},
    };
    for (const Case& c : cases)
    {
        Player::sSpeed.x = c.speed;
        const bool right = c.key == sf::Keyboard::Right;
        Inspectable<Player>* mover =
            right ? shipWithRightEdgeAt(fieldWidth()) : addShip({0.f, 700.f});
        const float before = mover->getSpritePosition().x;
        const float step = c.speed * 0.05f * (right ? 1.f : -1.f);

        key(c.key, true);
        frame(sf::seconds(0.05f)); // the longest frame of ordinary play
        EXPECT_NEAR(mover->getSpritePosition().x, before + step, 1e-3) << c.what;
        frame(sf::seconds(0.05f));
        EXPECT_NEAR(mover->getSpritePosition().x, before + step, 1e-3) << c.what << ": stopped";

        key(c.key, false);
        mover->destroy();
        layer.update(sf::Time::Zero);
    }
}

// A stall at top speed would carry a ship off the field: at either edge, and
// whatever the frame's length, it stops with at most half of it past the edge.
TEST_F(ShipMovement, ALongFrameLeavesAShipAtMostHalfPastAnEdge)
{
    Player::sSpeed.x = 800.f;
    const float half = ship->getBoundingRect().width / 2.f;
    for (const sf::Keyboard::Key direction : {sf::Keyboard::Right, sf::Keyboard::Left})
        for (const float seconds : {1.f, 2.f, 10.f})
        {
            Inspectable<Player>* mover = addShip({360.f, 700.f});
            ship->destroy();
            layer.update(sf::Time::Zero);
            key(direction, true);
            frame(sf::seconds(seconds));
            const bool right = direction == sf::Keyboard::Right;
            EXPECT_FLOAT_EQ(mover->getSpritePosition().x, right ? fieldWidth() - half : -half)
                << (right ? "right" : "left") << " after " << seconds << " s";
            key(direction, false);
            ship = mover;
        }
}

TEST_F(ShipMovement, JustPastAnEdgeItDoesNotMoveFurther)
{
    Inspectable<Player>* left = addShip({-0.001f, 700.f});
    key(sf::Keyboard::Left, true);
    frame(sf::seconds(0.1f));
    EXPECT_FLOAT_EQ(left->getSpritePosition().x, -0.001f);
    EXPECT_FLOAT_EQ(ship->getSpritePosition().x, 360.f) << "the other ship still moves";
}

TEST_F(ShipMovement, OtherKeysLeaveTheHeldKeysAlone)
{
    key(sf::Keyboard::Left, true);
    key(sf::Keyboard::Down, true);
    key(sf::Keyboard::Space, false);
    frame(sf::seconds(0.1f));
    EXPECT_FLOAT_EQ(ship->getSpritePosition().x, 360.f);
    EXPECT_FLOAT_EQ(ship->getSpritePosition().y, 700.f);

    key(sf::Keyboard::Left, false);
    frame(sf::seconds(0.1f));
    EXPECT_FLOAT_EQ(ship->getSpritePosition().x, 360.f);
}

using ShipPowerUps = ShipTest;

TEST_F(ShipPowerUps, FireRateClimbsByHalfAShotToFiveAndSpeedByFortyToEightHundred)
{
    std::vector<float> rates;
    for (int n = 0; n < 7; ++n)
    {
        ship->applyPowerUp(1);
        rates.push_back(Player::sFireRate);
    }
    EXPECT_EQ(rates, (std::vector<float>{2.5f, 3.f, 3.5f, 4.f, 4.5f, 5.f, 5.f}));

    std::vector<float> speeds;
    for (int n = 0; n < 11; ++n)
    {
        ship->applyPowerUp(2);
        speeds.push_back(Player::sSpeed.x);
    }
    EXPECT_EQ(speeds, (std::vector<float>{440.f, 480.f, 520.f, 560.f, 600.f, 640.f, 680.f, 720.f,
                                          760.f, 800.f, 800.f}));
    EXPECT_EQ(Player::sSpeed.y, 0.f);
}

TEST_F(ShipPowerUps, AtTheCapAPickUpChangesNothingButStillPlaysTheSound)
{
    struct Case
    {
        int kind;
        int ships;
        float fireRate;
        float speed;
    };
    const Case cases[] = {{0, 2, 2.f, 400.f}, {1, 1, 5.f, 400.f}, {2, 1, 2.f, 800.f}};
    for (const Case& c : cases)
    {
        Inspectable<Player>* picker = addShip({100.f, 700.f});
        Player::sShipCount = c.ships;
        Player::sFireRate = c.fireRate;
        Player::sSpeed.x = c.speed;
        const std::size_t nodes = layer.childCount();

        picker->applyPowerUp(c.kind);

        EXPECT_EQ(picker->getPowerUpSound().getStatus(), sf::Sound::Playing) << "kind " << c.kind;
        EXPECT_EQ(picker->getPowerUpSound().getBuffer(), &media.cache()->get(SoundBuffers::PowerUp))
            << "kind " << c.kind;
        EXPECT_EQ(layer.childCount(), nodes) << "kind " << c.kind;
        EXPECT_EQ(Player::sShipCount, c.ships) << "kind " << c.kind;
        EXPECT_EQ(Player::sFireRate, c.fireRate) << "kind " << c.kind;
        EXPECT_EQ(Player::sSpeed.x, c.speed) << "kind " << c.kind;
    }
}

TEST_F(ShipPowerUps, ExtraShipJoinsRightOfTheLastShipAddedAndNoThirdOne)
{
    const float width = ship->getBoundingRect().width;
    ship->applyPowerUp(0);
    ASSERT_EQ(layer.childCount(), 2u);
    EXPECT_EQ(Player::sShipCount, 2);
    SceneNode& extra = layer.child(1);
    EXPECT_EQ(extra.getCategory(), Category::Player);
    EXPECT_FLOAT_EQ(extra.getSpritePosition().x, 400.f + width);
    EXPECT_FLOAT_EQ(extra.getSpritePosition().y, 700.f);
    EXPECT_EQ(ship->getPowerUpSound().getStatus(), sf::Sound::Playing);

    ship->applyPowerUp(0);
    extra.applyPowerUp(0);
    EXPECT_EQ(layer.childCount(), 2u);
    EXPECT_EQ(Player::sShipCount, 2);
}

TEST_F(ShipPowerUps, ExtraShipIsPlacedByTheLastShipNotByTheOneThatPickedItUp)
{
    // The ship added last was lost; the survivor picks up a new one.
    Inspectable<Player>* lost = addShip({250.f, 650.f});
    Player::sShipCount = 2;
    lost->destroy();
    ship->applyPowerUp(0);

    ASSERT_EQ(layer.childCount(), 3u);
    EXPECT_FLOAT_EQ(layer.child(2).getSpritePosition().x, 250.f + ship->getBoundingRect().width);
    EXPECT_FLOAT_EQ(layer.child(2).getSpritePosition().y, 650.f);
}

TEST_F(ShipPowerUps, ExtraShipWaitsForTheNextKeyEventButFiresOnItsOwnClock)
{
    key(sf::Keyboard::Left, true);
    key(sf::Keyboard::Up, true);
    ship->applyPowerUp(0);
    auto& extra = static_cast<Player&>(layer.child(1));
    const sf::Vector2f start = extra.getSpritePosition();

    frame(sf::seconds(0.1f));
    EXPECT_EQ(extra.getSpritePosition(), start);

    key(sf::Keyboard::Up, true); // the last key event, handed on again
    for (int n = 0; n < 5; ++n)
        frame(sf::seconds(0.1f));
    EXPECT_EQ(extra.getSpritePosition(), start) << "Left was never seen by the new ship";
    EXPECT_EQ(extra.getLaserSound().getStatus(), sf::Sound::Playing)
        << "fired once half a second had passed since it was made";
}

using ShipLoss = ShipTest;

TEST_F(ShipLoss, GameOverOnceNoShipIsLeftRearmsCountAndFireRateButKeepsSpeed)
{
    Player::sFireRate = 4.f;
    Player::sSpeed.x = 520.f;
    ship->destroy();

    EXPECT_TRUE(ship->isGameOver());
    EXPECT_EQ(Player::sShipCount, 1);
    EXPECT_EQ(Player::sFireRate, 2.f);
    EXPECT_EQ(Player::sSpeed.x, 520.f);
    EXPECT_FALSE(ship->isGameOver()) << "answers true once";
}

TEST_F(ShipLoss, AShipIsLostOnceHoweverManyHitsItTakesInAFrame)
{
    Inspectable<Player>* other = addShip({500.f, 700.f});
    Player::sShipCount = 2;

    ship->destroy();
    ship->destroy();
    EXPECT_EQ(Player::sShipCount, 1);
    EXPECT_FALSE(ship->isGameOver()) << "the unharmed ship plays on";

    other->destroy();
    EXPECT_TRUE(other->isGameOver());
}

TEST_F(ShipLoss, ResetWalkPutsEveryShareBackForEveryShip)
{
    ship->applyPowerUp(0);
    ship->applyPowerUp(1);
    ship->applyPowerUp(2);
    layer.resetPowerUps();
    EXPECT_EQ(Player::sShipCount, 1);
    EXPECT_EQ(Player::sFireRate, 2.f);
    EXPECT_EQ(Player::sSpeed, Player::sDefaultSpeed);
    EXPECT_EQ(Player::sDefaultSpeed, sf::Vector2f(400.f, 0.f));
}
