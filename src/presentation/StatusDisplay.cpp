#include "presentation/StatusDisplay.hpp"

#include "foundation/Field.hpp"
#include "presentation/Lettering.hpp"
#include "presentation/TextSizes.hpp"

#include <SFML/Graphics/RenderStates.hpp>

#include <algorithm>
#include <string>

namespace
{
using TextSizes::Use;

// The badges stand in a row under the level label, which keeps the top-left corner's
// first 26 units (as large text has it, its plate the first 48).
constexpr float RowLeft = 4.f;
constexpr float RowTop = 30.f;
constexpr float LargeRowTop = 52.f;
constexpr float BadgeSide = 24.f;
constexpr float Gap = 6.f;

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
} // namespace

StatusDisplay::StatusDisplay(const sf::Texture& extraShip, const sf::Texture& fireRate,
                             const sf::Texture& speed, const sf::Font& font)
    : mExtraShip(&extraShip), mFireRate(&fireRate), mSpeed(&speed), mFont(&font)
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
        arrangeBadges();
    }
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

// Laid out again only when the bonuses, the speed or the size of the words change.
void StatusDisplay::arrange()
{
    const float scale = TextSizes::scale(mLarge);
    const sf::Vector2f barSize(BarSize.x, BarSize.y * scale);
    const sf::Vector2f barAt((static_cast<float>(Field::Width) - barSize.x) / 2.f, BarTop);
    mBarFrame.setSize(barSize);
    mBarFrame.setPosition(barAt);
    mBarFill.setPosition(barAt);
    show(mBossHealth, mShown);
    mBossLabel = pale("BOSS", *mFont, TextSizes::of(Use::BossLabel, mLarge));
    Lettering::anchor(mBossLabel, barAt + sf::Vector2f(-10.f, barSize.y / 2.f),
                      sf::Vector2f(1.f, 0.5f));

    std::string speed = "Speed {}%";
    speed.replace(speed.find("{}"), 2, std::to_string(mSpeedPercent));
    mSpeedText = pale(speed, *mFont, TextSizes::of(Use::GameSpeed, mLarge));
    Lettering::anchor(mSpeedText,
                      sf::Vector2f(static_cast<float>(Field::Width) - SpeedMargin,
                                   mLarge ? LargeSpeedTop : SpeedTop),
                      sf::Vector2f(1.f, 0.f));
    arrangeBadges();
}

void StatusDisplay::arrangeBadges()
{
    mBadges.clear();
    mCounts.clear();
    const float scale = TextSizes::scale(mLarge);
    const float side = BadgeSide * scale;
    const float top = mLarge ? LargeRowTop : RowTop;
    float left = RowLeft * scale;
    const auto add = [&](const sf::Texture& picture, int steps)
    {
        if (steps <= 0)
            return;
        sf::Sprite badge(picture);
        const sf::Vector2u size = picture.getSize();
        const float longest = static_cast<float>(std::max({size.x, size.y, 1u}));
        badge.setScale(side / longest, side / longest);
        badge.setPosition(left + (side - static_cast<float>(size.x) * side / longest) / 2.f,
                          top + (side - static_cast<float>(size.y) * side / longest) / 2.f);
        mBadges.push_back(badge);
        left += side + 2.f * scale;
        if (steps > 1)
        {
            // U+00D7, the multiplication sign, spelt out so that the source stays ASCII.
            const std::string count = "\xC3\x97" + std::to_string(steps);
            sf::Text text = pale(sf::String::fromUtf8(count.begin(), count.end()), *mFont,
                                 TextSizes::of(Use::BadgeCount, mLarge));
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
