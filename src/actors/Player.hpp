#pragma once

#include "foundation/GameTimer.hpp"
#include "resources/ResourceCache.hpp"
#include "scene/SceneNode.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <optional>

// The player's ship. Left and Right move it along the bottom, Up fires. With
// an extra ship there are two, each a full Player reacting to the same keys;
// what they share (ship count, fire rate, speed) lives in the statics.
class Player : public SceneNode
{
public:
    // The fire interval is timed on the play screen's clock.
    Player(sf::RenderWindow* window, ResourceCache* resources, sf::Vector2f position,
           const GameClock& clock);
    ~Player() override;

    // True once no ship is left; it then re-arms the count and fire rate for the next game.
    bool isGameOver() override;
    void destroy() override;
    // A ship brought back from the reserves blinks, and no shot or ram touches it, for
    // this long on the game's clock.
    void comeBackUntouchable(sf::Time span);
    bool isUntouchable() const override;

    void setKeyFlag(sf::Keyboard::Key key, bool pressed);
    void moveLeft(sf::Time dt);
    void moveRight(sf::Time dt);
    void fire();

    static void raiseFireRate();
    static void raiseSpeed();
    // The power-up steps the ships' fire rate and speed stand above their start.
    static int fireRateSteps();
    static int speedSteps();

    const sf::Sound& getLaserSound() const { return mLaserSound; }
    const sf::Sound& getPowerUpSound() const { return mPowerUpSound; }

    // Shared by every ship and by every game of the program's run; nothing
    // resets them when a game begins.
    static int sShipCount;
    static float sFireRate;
    static const sf::Vector2f sDefaultSpeed;
    static sf::Vector2f sSpeed;

protected:
    void drawCurrent(sf::RenderWindow& window) override;
    void updateCurrent(sf::Time dt) override;
    void applyPowerUpCurrent(int kind) override;
    void resetPowerUpsCurrent() override;
    void handleInputCurrent(sf::Keyboard::Key key, bool pressed) override;
    void setSoundsPausedCurrent(bool paused) override;

private:
    enum Direction
    {
        Up = 0,
        Left = 1,
        Down = 2,
        Right = 3,
    };

    // Down has a flag but no key: the ships never move vertically.
    struct DirectionFlags
    {
        bool up = false;
        bool down = false;
        bool left = false;
        bool right = false;

        bool& operator[](Direction direction);
    };

    sf::Time mElapsed;
    GameTimer mFireClock;
    sf::RenderWindow* mWindow; // the play screen's window outlives every node
    sf::Sound mLaserSound;
    sf::Sound mPowerUpSound;
    ResourceCache* mResources; // the play screen's cache outlives every node
    DirectionFlags mKeysHeld;
    std::optional<GameTimer> mSinceReturn;
    sf::Time mUntouchableFor;
};
