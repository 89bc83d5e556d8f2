#include "presentation/StatusDisplay.hpp"

#include "resources/MediaFiles.hpp"
#include "support/ActorTestKit.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <vector>

TEST(StatusDisplay, ShowsTheBonusesInForceUnderTheLabelAndABarWhileABossIsThere)
{
    ActorMedia media;
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile((TestFolders::withMedia() / MediaFiles::DigitalTech).string()));
    StatusDisplay display(
        media.cache()->get(Textures::AddShip), media.cache()->get(Textures::BulletSpeed),
        media.cache()->get(Textures::Bolt), font, media.cache()->get(Textures::PlayerShip));
    struct Case
    {
        StatusDisplay::Bonuses bonuses;
        std::size_t badges;
        std::vector<std::wstring> counts;
        std::optional<float> boss;
        std::optional<int> reserves; // none: they never run out
    };
    const Case cases[] = {
        {{false, 0, 0}, 0, {}, std::nullopt, 0},
        {{true, 1, 0}, 2, {}, 1.f, 3},
        {{true, 6, 10}, 3, {L"\u00d76", L"\u00d710"}, 0.25f, 2},
        {{false, 0, 0}, 0, {}, std::nullopt, 0}, // a ram took the bonuses; the boss died
        {{true, 0, 1}, 2, {}, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases)
    {
        display.show(c.boss, c.bonuses);
        display.showReserves(c.reserves);
        ASSERT_EQ(display.badges().size(), c.badges);
        ASSERT_EQ(display.reserveShips().size(), static_cast<std::size_t>(c.reserves.value_or(0)));
        EXPECT_EQ(display.unlimitedReserves().getString(), c.reserves ? "" : "Practice");
        std::vector<sf::FloatRect> row;
        if (!c.reserves)
            row.push_back(display.unlimitedReserves().getGlobalBounds());
        for (const sf::Sprite& ship : display.reserveShips())
            row.push_back(ship.getGlobalBounds());
        for (const sf::Sprite& badge : display.badges())
            row.push_back(badge.getGlobalBounds());
        float right = 0.f;
        for (const sf::FloatRect& box : row)
        {
            // Side by side under the label ("Level 1" at 20 units ends 26 units down): the
            // reserves, then the bonuses.
            EXPECT_GE(box.left, right);
            EXPECT_GE(box.top, 26.f);
            right = box.left + box.width;
        }
        std::vector<std::wstring> counts;
        for (const sf::Text& count : display.counts())
            counts.push_back(count.getString().toWideString());
        EXPECT_EQ(counts, c.counts);
        ASSERT_EQ(display.bossBar().has_value(), c.boss.has_value());
        if (const auto bar = display.bossBar())
        {
            EXPECT_FLOAT_EQ(bar->second.getSize().x, bar->first.getSize().x * *c.boss);
        }
    }
}
