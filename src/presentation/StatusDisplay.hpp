#pragma once

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <optional>
#include <vector>

// What the player holds and what stands against them, small at the top of the field:
// under the level label, the ships in reserve as small ships (or "Practice", where they
// never run out), then the bonuses in force in the power-ups' own pictures (the second
// ship, the fire-rate and the speed steps, each step count above one written beside
// it); and while a boss is on the field, a thin bar of its health across the top. It is
// only drawn, from what the play screen tells it.
class StatusDisplay
{
public:
    struct Bonuses
    {
        bool secondShip = false;
        int fireRateSteps = 0; // taken above the starting rate
        int speedSteps = 0;

        bool operator==(const Bonuses& other) const
        {
            return secondShip == other.secondShip && fireRateSteps == other.fireRateSteps &&
                   speedSteps == other.speedSteps;
        }
    };

    // The textures and the font must outlive the display.
    StatusDisplay(const sf::Texture& extraShip, const sf::Texture& fireRate,
                  const sf::Texture& speed, const sf::Font& font, const sf::Texture& ship);

    // bossHealth: the boss's hit points left as a share of its starting ones; none
    // while no boss is on the field.
    void show(std::optional<float> bossHealth, const Bonuses& bonuses);
    // Ships in reserve; none where they never run out.
    void showReserves(std::optional<int> ships);
    void draw(sf::RenderTarget& target) const;
    // The reserves alone, over the paused game.
    void drawReserves(sf::RenderTarget& target) const;

    const std::vector<sf::Sprite>& badges() const { return mBadges; }
    const std::vector<sf::Text>& counts() const { return mCounts; }
    const std::vector<sf::Sprite>& reserveShips() const { return mReserveShips; }
    // "Practice" where the reserves never run out; empty otherwise.
    const sf::Text& unlimitedReserves() const { return mUnlimited; }
    // The bar's frame and what is left of the boss in it; none while no boss is there.
    std::optional<std::pair<sf::RectangleShape, sf::RectangleShape>> bossBar() const;

private:
    void arrange();

    const sf::Texture* mExtraShip;
    const sf::Texture* mFireRate;
    const sf::Texture* mSpeed;
    const sf::Font* mFont;
    const sf::Texture* mShip;
    Bonuses mShown;
    std::optional<int> mReserves = 0;
    std::vector<sf::Sprite> mReserveShips;
    sf::Text mUnlimited;
    std::vector<sf::Sprite> mBadges;
    std::vector<sf::Text> mCounts;
    std::optional<float> mBossHealth;
    sf::RectangleShape mBarFrame;
    sf::RectangleShape mBarFill;
};
