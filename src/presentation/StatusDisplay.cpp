#include "presentation/StatusDisplay.hpp"

#include "foundation/Field.hpp"
#include "presentation/Lettering.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>
#include <string>

namespace
{
// The badges stand in a row under the level label, which keeps the top-left corner's
// first 26 units.
constexpr float RowLeft = 4.f;
constexpr float RowTop = 30.f;
constexpr float BadgeSide = 24.f;
constexpr float Gap = 6.f;
constexpr unsigned int CountSize = 18;

// A thin bar centred across the top, clear of the label on the left and of the sound's
// word on the right.
const sf::Vector2f BarSize(300.f, 6.f);
constexpr float BarTop = 10.f;
const sf::Color BarFrameFill(10, 6, 24, 200);
const sf::Color BarFrameRim(255, 220, 225, 110);
const sf::Color BarHealth(255, 70, 80);
} // namespace

StatusDisplay::StatusDisplay(const sf::Texture& extraShip, const sf::Texture& fireRate,
                             const sf::Texture& speed, const sf::Font& font)
    : mExtraShip(&extraShip), mFireRate(&fireRate), mSpeed(&speed), mFont(&font)
{
    const sf::Vector2f barAt((static_cast<float>(Field::Width) - BarSize.x) / 2.f, BarTop);
    mBarFrame.setSize(BarSize);
    mBarFrame.setPosition(barAt);
    mBarFrame.setFillColor(BarFrameFill);
    mBarFrame.setOutlineColor(BarFrameRim);
    mBarFrame.setOutlineThickness(1.f);
    mBarFill.setPosition(barAt);
    mBarFill.setFillColor(BarHealth);
}

void StatusDisplay::show(std::optional<float> bossHealth, const Bonuses& bonuses)
{
    mBossHealth = bossHealth;
    if (mBossHealth)
        mBarFill.setSize(sf::Vector2f(BarSize.x * std::clamp(*mBossHealth, 0.f, 1.f), BarSize.y));

    if (!(bonuses == mShown))
        arrangeBadges(bonuses);
}

// Laid out again only when the bonuses change.
void StatusDisplay::arrangeBadges(const Bonuses& bonuses)
{
    mShown = bonuses;
    mBadges.clear();
    mCounts.clear();
    float left = RowLeft;
    const auto add = [&](const sf::Texture& picture, int steps)
    {
        if (steps <= 0)
            return;
        sf::Sprite badge(picture);
        const sf::Vector2u size = picture.getSize();
        const float longest = static_cast<float>(std::max({size.x, size.y, 1u}));
        badge.setScale(BadgeSide / longest, BadgeSide / longest);
        badge.setPosition(
            left + (BadgeSide - static_cast<float>(size.x) * BadgeSide / longest) / 2.f,
            RowTop + (BadgeSide - static_cast<float>(size.y) * BadgeSide / longest) / 2.f);
        mBadges.push_back(badge);
        left += BadgeSide + 2.f;
        if (steps > 1)
        {
            // U+00D7, the multiplication sign, spelt out so that the source stays ASCII.
            const std::string count = "\xC3\x97" + std::to_string(steps);
            sf::Text text(sf::String::fromUtf8(count.begin(), count.end()), *mFont, CountSize);
            text.setFillColor(Lettering::Pale);
            Lettering::outline(text);
            Lettering::anchor(text, sf::Vector2f(left, RowTop + BadgeSide / 2.f),
                              sf::Vector2f(0.f, 0.5f));
            left += text.getGlobalBounds().width;
            mCounts.push_back(text);
        }
        left += Gap;
    };
    add(*mExtraShip, bonuses.secondShip ? 1 : 0);
    add(*mFireRate, bonuses.fireRateSteps);
    add(*mSpeed, bonuses.speedSteps);
}

void StatusDisplay::draw(sf::RenderTarget& target) const
{
    for (const sf::Sprite& badge : mBadges)
        target.draw(badge, sf::RenderStates::Default);
    for (const sf::Text& count : mCounts)
        target.draw(count, sf::RenderStates::Default);
    if (mBossHealth)
    {
        target.draw(mBarFrame, sf::RenderStates::Default);
        target.draw(mBarFill, sf::RenderStates::Default);
    }
}

std::optional<std::pair<sf::RectangleShape, sf::RectangleShape>> StatusDisplay::bossBar() const
{
    if (!mBossHealth)
        return std::nullopt;
    return std::make_pair(mBarFrame, mBarFill);
}
