#include "actors/Player.hpp"

#include "actors/Missile.hpp"
#include "foundation/Field.hpp"
#include "gameplay/Category.hpp"
#include "sound/Effects.hpp"
#include "sound/SoundPause.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <memory>

// sDefaultSpeed first: sSpeed starts as a copy of it.
const sf::Vector2f Player::sDefaultSpeed(400.f, 0.f);
sf::Vector2f Player::sSpeed = Player::sDefaultSpeed;
int Player::sShipCount = 1;
float Player::sFireRate = 2.f;

namespace
{
constexpr int MaxShips = 2;
constexpr float StartFireRate = 2.f;
constexpr float MaxFireRate = 5.f;
constexpr float FireRateStep = 0.5f;
constexpr float MaxSpeed = 800.f;
constexpr float SpeedStep = 40.f;
constexpr float ShipScale = 0.13f;
// The longest frame of ordinary play (20 frames a second).
const sf::Time OrdinaryFrame = sf::milliseconds(50);
// An untouchable ship shows and hides this many times a second each.
constexpr float BlinksPerSecond = 5.f;

// How far a ship `width` wide moves in a frame, with `room` between it and the
// edge it moves towards. A long frame (a stall, a dragged window) would carry
// it off the field: it stops with at most half of it past the edge.
float stepTowardsEdge(float room, float width, sf::Time dt)
{
    const float step = Player::sSpeed.x * dt.asSeconds();
    if (dt <= OrdinaryFrame)
        return step;
    return std::min(step, room + width / 2.f);
}
} // namespace

bool& Player::DirectionFlags::operator[](Direction direction)
{
    switch (direction)
    {
    case Up:
        return up;
    case Left:
        return left;
    case Down:
        return down;
    case Right:
        break;
    }
    return right;
}

Player::Player(sf::RenderWindow* window, ResourceCache* resources, sf::Vector2f position,
               const GameClock& clock)
    : mFireClock(clock), mWindow(window), mResources(resources)
{
    mSprite.setTexture(resources->get(Textures::PlayerShip), false);
    mSprite.setScale(ShipScale, ShipScale);
    mSprite.setPosition(position);
    mLaserSound.setBuffer(resources->get(SoundBuffers::Laser));
    mPowerUpSound.setBuffer(resources->get(SoundBuffers::PowerUp));
    mCategory = Category::Player;
}

Player::~Player() = default;

bool Player::isGameOver()
{
    if (sShipCount > 0)
        return false;
    sShipCount = 1;
    sFireRate = StartFireRate;
    return true;
}

// Two hits on one ship in the same frame must not cost two ships.
void Player::destroy()
{
    if (mDestroyed)
        return;
    --sShipCount;
    mDestroyed = true;
}

void Player::comeBackUntouchable(sf::Time span)
{
    mSinceReturn.emplace(mFireClock.clock());
    mUntouchableFor = span;
}

bool Player::isUntouchable() const
{
    return mSinceReturn && mSinceReturn->getElapsedTime() < mUntouchableFor;
}

void Player::setKeyFlag(sf::Keyboard::Key key, bool pressed)
{
    switch (key)
    {
    case sf::Keyboard::Left:
        mKeysHeld[Left] = pressed;
        break;
    case sf::Keyboard::Right:
        mKeysHeld[Right] = pressed;
        break;
    case sf::Keyboard::Up:
        mKeysHeld[Up] = pressed;
        break;
    default:
        break;
    }
}

// The edge tests come before the move, so a ship may overshoot an edge by one
// frame's step; it can always move back.
void Player::moveLeft(sf::Time dt)
{
    const float left = mSprite.getPosition().x;
    if (left < 0.f)
        return;
    mSprite.move(-stepTowardsEdge(left, mSprite.getGlobalBounds().width, dt), 0.f);
}

void Player::moveRight(sf::Time dt)
{
    const float width = mSprite.getGlobalBounds().width;
    const float right = mSprite.getPosition().x + width;
    if (right > static_cast<float>(Field::Width))
        return;
    mSprite.move(stepTowardsEdge(static_cast<float>(Field::Width) - right, width, dt), 0.f);
}

void Player::fire()
{
    mElapsed = mFireClock.getElapsedTime();
    if (!(mElapsed.asSeconds() > 1.0 / sFireRate))
        return;

    const sf::Vector2f position = mSprite.getPosition();
    const sf::FloatRect bounds = mSprite.getGlobalBounds();
    attachChild(std::make_unique<Missile>(mWindow, mResources, position.x + bounds.width / 2.f,
                                          position.y - bounds.height / 2.f, -1,
                                          Category::PlayerMissile));
    Effects::play(mLaserSound);
    // The next interval counts from this frame: held fire shoots in the first
    // frame after each interval, so the period is a whole number of frames.
    mFireClock.restart();
}

void Player::raiseFireRate()
{
    if (sFireRate < MaxFireRate)
        sFireRate += FireRateStep;
}

void Player::raiseSpeed()
{
    if (sSpeed.x < MaxSpeed)
        sSpeed.x += SpeedStep;
}

int Player::fireRateSteps()
{
    return static_cast<int>(std::lround((sFireRate - StartFireRate) / FireRateStep));
}

int Player::speedSteps()
{
    return static_cast<int>(std::lround((sSpeed.x - sDefaultSpeed.x) / SpeedStep));
}

void Player::drawCurrent(sf::RenderWindow&)
{
    // Hidden in the second half of each blink while it cannot be touched.
    if (isUntouchable())
    {
        const float blinks = mSinceReturn->getElapsedTime().asSeconds() * BlinksPerSecond;
        if (blinks - std::floor(blinks) >= 0.5f)
            return;
    }
    mWindow->draw(mSprite, sf::RenderStates::Default);
}

void Player::updateCurrent(sf::Time dt)
{
    if (mKeysHeld[Left])
        moveLeft(dt);
    if (mKeysHeld[Right])
        moveRight(dt);
    if (mKeysHeld[Up])
        fire();
}

void Player::applyPowerUpCurrent(int kind)
{
    switch (kind)
    {
    case 0:
        if (sShipCount < MaxShips)
        {
            // The ship layer's last child is the ship added most recently: the
            // new one goes right beside it, at the same height.
            assert(mParent != nullptr);
            const sf::Vector2f last = mParent->getLastChildPosition();
            const float width = mSprite.getGlobalBounds().width;
            auto extraShip = std::make_unique<Player>(
                mWindow, mResources, sf::Vector2f(last.x + width, last.y), mFireClock.clock());
            mParent->attachChild(std::move(extraShip));
            ++sShipCount;
        }
        break;
    case 1:
        raiseFireRate();
        break;
    case 2:
        raiseSpeed();
        break;
    default:
        break;
    }
    // Played also when a cap means the pick-up changed nothing.
    Effects::play(mPowerUpSound);
}

void Player::resetPowerUpsCurrent()
{
    sShipCount = 1;
    sFireRate = StartFireRate;
    sSpeed = sDefaultSpeed;
}

void Player::handleInputCurrent(sf::Keyboard::Key key, bool pressed)
{
    setKeyFlag(key, pressed);
}

void Player::setSoundsPausedCurrent(bool paused)
{
    SoundPause::setPaused(mLaserSound, paused);
    SoundPause::setPaused(mPowerUpSound, paused);
}
