#include "presentation/TextSizes.hpp"

#include "foundation/GameClock.hpp"
#include "presentation/PauseOverlay.hpp"
#include "presentation/RecordCaption.hpp"
#include "presentation/RuleHints.hpp"
#include "presentation/ScoreBoard.hpp"
#include "presentation/StatusDisplay.hpp"
#include "presentation/VolumeNotice.hpp"
#include "resources/ResourceCache.hpp"
#include "sound/MasterVolume.hpp"
#include "support/PlayMedia.hpp"
#include "support/SharedState.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
// The height in pixels of the shortest lowercase letter the font draws at the size.
float shortestLowercase(const sf::Font& font, unsigned int size)
{
    float shortest = 1000.f;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        shortest = std::min(shortest, font.getGlyph(letter, size, false).bounds.height);
    return shortest;
}
} // namespace

// Measured from the font, on the field shown unscaled (fullscreen at 1280 x 800): with
// large text every lowercase letter of every word the game writes stands at least 12
// pixels high, each size at least half as large again as it comes; and what the screens
// write with it chosen has those sizes.
TEST(TextSizes, LargeTextStandsEveryLowercaseLetterTwelvePixelsHigh)
{
    SharedState::Restorer restoresTheLevel;
    ResourceCache media;
    PlayMedia::loadInto(media);
    const sf::Font& font = media.get(Fonts::DigitalTech);
    for (int each = 0; each < static_cast<int>(TextSizes::Use::Count); ++each)
    {
        const auto use = static_cast<TextSizes::Use>(each);
        EXPECT_GE(shortestLowercase(font, TextSizes::of(use, true)), 12.f) << "use " << each;
        EXPECT_GE(TextSizes::of(use, true) * 2, TextSizes::of(use, false) * 3) << "use " << each;
    }
    EXPECT_LT(shortestLowercase(font, TextSizes::of(TextSizes::Use::LevelLabel, false)), 12.f)
        << "as the game comes the label is the score board's";

    GameClock clock;
    ScoreBoard board(&media, clock);
    board.setLarge(true);
    StatusDisplay status(media.get(Textures::AddShip), media.get(Textures::BulletSpeed),
                         media.get(Textures::Bolt), font, media.get(Textures::PlayerShip));
    status.setLarge(true);
    status.setSpeed(50);
    status.showReserves(std::nullopt);
    status.show(0.5f, {true, 3, 0});
    VolumeNotice notice;
    notice.show(MasterVolume(false, 70), font, true);
    PauseOverlay paused(font);
    paused.setLarge(true);
    const struct
    {
        const char* what;
        sf::Text text;
    } written[] = {
        {"level label", board.getLabel()},
        {"badge count", status.counts().at(0)},
        {"boss", *status.bossLabel()},
        {"speed", *status.speed()},
        {"practice", status.unlimitedReserves()},
        {"best", RecordCaption::forMenu(font, 7, true).lines().at(0)},
        {"game over", RecordCaption::forGameOver(font, {4, 7, true}, true).lines().at(1)},
        {"first rule", RuleHints::firstLevelRule(font, true)},
        {"game-over keys", RuleHints::gameOverKeys(font, false, true)},
        {"sound", notice.getText()},
        {"pause hint", paused.getHint()},
    };
    for (const auto& each : written)
        EXPECT_GE(shortestLowercase(font, each.text.getCharacterSize()) * each.text.getScale().y,
                  12.f)
            << each.what;
}
