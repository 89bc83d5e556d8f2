#include "presentation/StatusDisplay.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
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
constexpr float ReserveSide = 18.f;
constexpr float ReserveGap = 3.f;

// A thin bar centred across the top, clear of the label on the left and of the sound's
// word on the right.
const sf::Vector2f BarSize(300.f, 6.f);
constexpr float BarTop = 10.f;
const sf::Color BarFrameFill(10, 6, 24, 200);
const sf::Color BarFrameRim(255, 220, 225, 110);
const sf::Color BarHealth(255, 70, 80);

// A picture scaled so that its longer side is `side`, centred in a square of that side.
sf::Sprite fitted(const sf::Texture& picture, float side, sf::Vector2f squareAt)
{
    sf::Sprite sprite(picture);
    const sf::Vector2u size = picture.getSize();
    const float scale = side / static_cast<float>(std::max({size.x, size.y, 1u}));
    sprite.setScale(scale, scale);
    sprite.setPosition(squareAt.x + (side - static_cast<float>(size.x) * scale) / 2.f,
                       squareAt.y + (side - static_cast<float>(size.y) * scale) / 2.f);
    return sprite;
}
} // namespace

StatusDisplay::StatusDisplay(const sf::Texture& extraShip, const sf::Texture& fireRate,
                             const sf::Texture& speed, const sf::Font& font,
                             const sf::Texture& ship)
    : mExtraShip(&extraShip), mFireRate(&fireRate), mSpeed(&speed), mFont(&font), mShip(&ship)
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
    {
        mShown = bonuses;
        arrange();
    }
}

void StatusDisplay::showReserves(std::optional<int> ships)
{
    if (ships == mReserves)
        return;
    mReserves = ships;
    arrange();
}

// Laid out again only when the reserves or the bonuses change: the reserves first,
// then the bonuses.
void StatusDisplay::arrange()
{
    mReserveShips.clear();
    mUnlimited = sf::Text();
    mBadges.clear();
    mCounts.clear();
    float left = RowLeft;
    if (!mReserves)
    {
        mUnlimited = sf::Text(Lettering::words(tr("Practice")), *mFont, CountSize);
        mUnlimited.setFillColor(Lettering::Pale);
        Lettering::outline(mUnlimited);
        Lettering::anchor(mUnlimited, sf::Vector2f(left, RowTop + BadgeSide / 2.f),
                          sf::Vector2f(0.f, 0.5f));
        left += mUnlimited.getGlobalBounds().width + Gap;
    }
    for (int ship = 0; ship < mReserves.value_or(0); ++ship)
    {
        const float top = RowTop + (BadgeSide - ReserveSide) / 2.f;
        mReserveShips.push_back(fitted(*mShip, ReserveSide, sf::Vector2f(left, top)));
        left += ReserveSide + ReserveGap;
    }
    if (mReserves.value_or(0) > 0)
        left += Gap - ReserveGap;
    const auto add = [&](const sf::Texture& picture, int steps)
    {
        if (steps <= 0)
            return;
        mBadges.push_back(fitted(picture, BadgeSide, sf::Vector2f(left, RowTop)));
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
    add(*mExtraShip, mShown.secondShip ? 1 : 0);
    add(*mFireRate, mShown.fireRateSteps);
    add(*mSpeed, mShown.speedSteps);
}

void StatusDisplay::draw(sf::RenderTarget& target) const
{
    drawReserves(target);
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

void StatusDisplay::drawReserves(sf::RenderTarget& target) const
{
    for (const sf::Sprite& ship : mReserveShips)
        target.draw(ship, sf::RenderStates::Default);
    target.draw(mUnlimited, sf::RenderStates::Default);
}

std::optional<std::pair<sf::RectangleShape, sf::RectangleShape>> StatusDisplay::bossBar() const
{
    if (!mBossHealth)
        return std::nullopt;
    return std::make_pair(mBarFrame, mBarFill);
}
