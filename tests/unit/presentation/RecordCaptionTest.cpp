#include "presentation/RecordCaption.hpp"

#include "foundation/Field.hpp"
#include "resources/MediaFiles.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
class RecordCaptionLines : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            mFont.loadFromFile((TestFolders::withMedia() / MediaFiles::DigitalTech).string()));
    }

    static std::string text(const sf::Text& line) { return line.getString().toAnsiString(); }

    static void expectInsideTheField(const RecordCaption& caption)
    {
        const sf::FloatRect field(0.f, 0.f, Field::Width, Field::Height);
        for (const sf::Text& line : caption.lines())
        {
            const sf::FloatRect box = line.getGlobalBounds();
            EXPECT_TRUE(field.contains(box.left, box.top) &&
                        field.contains(box.left + box.width, box.top + box.height))
                << text(line);
        }
    }

    sf::Font mFont;
};

TEST_F(RecordCaptionLines, TheMenuShowsTheRecordOnceOneExists)
{
    for (const bool large : {false, true})
    {
        EXPECT_TRUE(RecordCaption::forMenu(mFont, std::nullopt, large).lines().empty());
        const RecordCaption caption = RecordCaption::forMenu(mFont, 1000000, large);
        ASSERT_EQ(caption.lines().size(), 1u);
        EXPECT_EQ(text(caption.lines()[0]), "Best: Level 1000000");
        expectInsideTheField(caption);
        // On a dark plate that holds the whole line, over the grid's bright lines.
        sf::FloatRect covered;
        const sf::FloatRect line = caption.lines()[0].getGlobalBounds();
        EXPECT_TRUE(caption.plate().getGlobalBounds().intersects(line, covered) && covered == line);
        EXPECT_GE(caption.plate().getFillColor().a, 160);
    }
}

TEST_F(RecordCaptionLines, TheGameOverScreenCheersOnlyABeatenRecord)
{
    const RecordCaption equalled = RecordCaption::forGameOver(mFont, {7, 7, false}, false);
    ASSERT_EQ(equalled.lines().size(), 1u);
    EXPECT_EQ(equalled.lines()[0].getString(), sf::String(L"Level 7 \u00b7 Best 7"));

    for (const bool large : {false, true})
    {
        const RecordCaption beaten =
            RecordCaption::forGameOver(mFont, {123456, 123456, true}, large);
        ASSERT_EQ(beaten.lines().size(), 2u);
        EXPECT_EQ(text(beaten.lines()[1]), "New best!");
        expectInsideTheField(beaten);
        // In the band the game-over picture keeps clear of its shards and ring, one line
        // above the other.
        const sf::FloatRect band(0.f, RecordCaption::GameOverBandTop, Field::Width,
                                 RecordCaption::GameOverBandBottom -
                                     RecordCaption::GameOverBandTop);
        for (const sf::Text& line : beaten.lines())
            EXPECT_TRUE(band.contains(line.getGlobalBounds().left, line.getGlobalBounds().top) &&
                        band.contains(line.getGlobalBounds().left,
                                      line.getGlobalBounds().top + line.getGlobalBounds().height))
                << large;
        EXPECT_FALSE(
            beaten.lines()[0].getGlobalBounds().intersects(beaten.lines()[1].getGlobalBounds()))
            << large;
    }
}
} // namespace
