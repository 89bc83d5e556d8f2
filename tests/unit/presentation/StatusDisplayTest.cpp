#include "presentation/StatusDisplay.hpp"

#include "resources/MediaFiles.hpp"
#include "support/ActorTestKit.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
class StatusDisplayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            mFont.loadFromFile((TestFolders::withMedia() / MediaFiles::DigitalTech).string()));
    }

    ActorMedia media;
    sf::Font mFont;
    StatusDisplay display{media.cache()->get(Textures::AddShip),
                          media.cache()->get(Textures::BulletSpeed),
                          media.cache()->get(Textures::Bolt), mFont};
};

TEST_F(StatusDisplayTest, ShowsEachBonusInForceUnderTheLabelWithItsStepsAboveOne)
{
    struct Case
    {
        StatusDisplay::Bonuses bonuses;
        std::vector<const sf::Texture*> badges;
        std::vector<std::string> counts;
    };
    const sf::Texture* ship = &media.cache()->get(Textures::AddShip);
    const sf::Texture* rate = &media.cache()->get(Textures::BulletSpeed);
    const sf::Texture* speed = &media.cache()->get(Textures::Bolt);
    const Case cases[] = {
        {{false, 0, 0}, {}, {}},
        {{true, 1, 0}, {ship, rate}, {}},
        {{true, 6, 10},
         {ship, rate, speed},
         {"\xC3\x97"
          "6",
          "\xC3\x97"
          "10"}},
        {{false, 0, 2},
         {speed},
         {"\xC3\x97"
          "2"}},
        {{false, 0, 0}, {}, {}}, // a ram takes them all away
    };
    for (const Case& c : cases)
    {
        display.show(std::nullopt, c.bonuses);
        std::vector<const sf::Texture*> badges;
        float right = 0.f;
        for (const sf::Sprite& badge : display.badges())
        {
            badges.push_back(badge.getTexture());
            const sf::FloatRect box = badge.getGlobalBounds();
            // Side by side under the label ("Level 1" at 20 units ends 26 units down).
            EXPECT_GE(box.left, right);
            EXPECT_GE(box.top, 26.f);
            EXPECT_LE(box.width, 24.5f);
            EXPECT_LE(box.height, 24.5f);
            right = box.left + box.width;
        }
        std::vector<std::string> counts;
        for (const sf::Text& count : display.counts())
        {
            const auto utf8 = count.getString().toUtf8();
            counts.emplace_back(utf8.begin(), utf8.end());
        }
        EXPECT_EQ(badges, c.badges);
        EXPECT_EQ(counts, c.counts);
    }
}

TEST_F(StatusDisplayTest, BossBarShowsTheShareLeftWhileABossIsThere)
{
    for (float share : {1.f, 0.25f, 0.f})
    {
        display.show(share, {});
        ASSERT_TRUE(display.bossBar());
        const auto& [frame, left] = *display.bossBar();
        EXPECT_FLOAT_EQ(left.getSize().x, frame.getSize().x * share);
        EXPECT_EQ(left.getPosition(), frame.getPosition());
        // Clear of the level label in the top-left corner and of the sound's word on the right.
        EXPECT_GE(frame.getPosition().x, 200.f);
        EXPECT_LE(frame.getPosition().x + frame.getSize().x, 600.f);
    }
    display.show(std::nullopt, {});
    EXPECT_FALSE(display.bossBar());
}
} // namespace
