#include "presentation/StatusDisplay.hpp"

#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "presentation/Lettering.hpp"
#include "presentation/TextSizes.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>
#include <string>

namespace
{
using TextSizes::Use;

// The reserves and the badges stand in a row under the level label, which keeps the
// top-left corner's first 26 units (as large text has it, its plate the first 48).
constexpr float RowLeft = 4.f;
constexpr float RowTop = 30.f;
constexpr float LargeRowTop = 52.f;
constexpr float BadgeSide = 24.f;
constexpr float Gap = 6.f;
constexpr float ReserveSide = 18.f;
constexpr float ReserveGap = 3.f;

// A thin bar centred across the top, clear of the label on the left and of the sound's
// word on the right; large, its word stands to its left.
const sf::Vector2f BarSize(300.f, 6.f);
constexpr float BarTop = 10.f;
const sf::Color BarFrameFill(10, 6, 24, 200);
const sf::Color BarFrameRim(255, 220, 225, 110);
const sf::Color BarHealth(255, 70, 80);

// Below the sound's word in the top-right corner.
constexpr float SpeedMargin = 14.f;
constexpr float SpeedTop = 44.f;
constexpr float LargeSpeedTop = 60.f;

sf::Text pale(const sf::String& words, const sf::Font& font, unsigned int size)
{
    sf::Text text(words, font, size);
    text.setFillColor(Lettering::Pale);
    Lettering::outline(text);
    return text;
}

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
    mBarFrame.setFillColor(BarFrameFill);
    mBarFrame.setOutlineColor(BarFrameRim);
    mBarFrame.setOutlineThickness(1.f);
    mBarFill.setFillColor(BarHealth);
    arrange();
}

void StatusDisplay::show(std::optional<float> bossHealth, const Bonuses& bonuses)
{
    mBossHealth = bossHealth;
    if (mBossHealth)
        mBarFill.setSize(sf::Vector2f(mBarFrame.getSize().x * std::clamp(*mBossHealth, 0.f, 1.f),
                                      mBarFrame.getSize().y));

    if (!(bonuses == mShown))
    {
        mShown = bonuses;
        arrangeRow();
    }
}

void StatusDisplay::showReserves(std::optional<int> ships)
{
    if (ships == mReserves)
        return;
    mReserves = ships;
    arrangeRow();
}

void StatusDisplay::setSpeed(int percent)
{
    mSpeedPercent = percent;
    arrange();
}

void StatusDisplay::setLarge(bool large)
{
    mLarge = large;
    arrange();
}

// Laid out again only when the bonuses, the reserves, the speed or the size of the words
// change; a language chosen over the paused game comes with a change of them.
void StatusDisplay::arrange()
{
    const float scale = TextSizes::scale(mLarge);
    const sf::Vector2f barSize(BarSize.x, BarSize.y * scale);
    const sf::Vector2f barAt((static_cast<float>(Field::Width) - barSize.x) / 2.f, BarTop);
    mBarFrame.setSize(barSize);
    mBarFrame.setPosition(barAt);
    mBarFill.setPosition(barAt);
    show(mBossHealth, mShown);
    mBossLabel = pale(Lettering::words(tr("BOSS")), *mFont, TextSizes::of(Use::BossLabel, mLarge));
    Lettering::anchor(mBossLabel, barAt + sf::Vector2f(-10.f, barSize.y / 2.f),
                      sf::Vector2f(1.f, 0.5f));

    // TRANSLATORS: the game's speed, %s in per cent of full speed (50 to 90).
    const std::string speed = fill(tr("Speed %s%%"), {std::to_string(mSpeedPercent)});
    mSpeedText = pale(Lettering::words(speed), *mFont, TextSizes::of(Use::GameSpeed, mLarge));
    Lettering::anchor(mSpeedText,
                      sf::Vector2f(static_cast<float>(Field::Width) - SpeedMargin,
                                   mLarge ? LargeSpeedTop : SpeedTop),
                      sf::Vector2f(1.f, 0.f));
    arrangeRow();
}

// The reserves first, then the bonuses.
void StatusDisplay::arrangeRow()
{
    mReserveShips.clear();
    mUnlimited = sf::Text();
    mBadges.clear();
    mCounts.clear();
    const float scale = TextSizes::scale(mLarge);
    const float side = BadgeSide * scale;
    const float top = mLarge ? LargeRowTop : RowTop;
    const unsigned int countSize = TextSizes::of(Use::BadgeCount, mLarge);
    float left = RowLeft * scale;
    if (!mReserves)
    {
        mUnlimited = pale(Lettering::words(tr("Practice")), *mFont, countSize);
        Lettering::anchor(mUnlimited, sf::Vector2f(left, top + side / 2.f),
                          sf::Vector2f(0.f, 0.5f));
        left += mUnlimited.getGlobalBounds().width + Gap * scale;
    }
    const float reserveSide = ReserveSide * scale;
    for (int ship = 0; ship < mReserves.value_or(0); ++ship)
    {
        mReserveShips.push_back(
            fitted(*mShip, reserveSide, sf::Vector2f(left, top + (side - reserveSide) / 2.f)));
        left += reserveSide + ReserveGap * scale;
    }
    if (mReserves.value_or(0) > 0)
        left += (Gap - ReserveGap) * scale;
    const auto add = [&](const sf::Texture& picture, int steps)
    {
        if (steps <= 0)
            return;
        mBadges.push_back(fitted(picture, side, sf::Vector2f(left, top)));
        left += side + 2.f * scale;
        if (steps > 1)
        {
            // U+00D7, the multiplication sign, spelt out so that the source stays ASCII.
            const std::string count = "\xC3\x97" + std::to_string(steps);
            sf::Text text = pale(Lettering::words(count), *mFont, countSize);
            Lettering::anchor(text, sf::Vector2f(left, top + side / 2.f), sf::Vector2f(0.f, 0.5f));
            left += text.getGlobalBounds().width;
            mCounts.push_back(text);
        }
        left += Gap * scale;
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
    for (const sf::Text* words : {bossLabel(), speed()})
        if (words)
            target.draw(*words, sf::RenderStates::Default);
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

const sf::Text* StatusDisplay::bossLabel() const
{
    return mBossHealth && mLarge ? &mBossLabel : nullptr;
}

const sf::Text* StatusDisplay::speed() const
{
    return mSpeedPercent < 100 ? &mSpeedText : nullptr;
}
