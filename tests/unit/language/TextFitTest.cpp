#include "foundation/Field.hpp"
#include "language/Translation.hpp"
#include "menus/OptionsMenu.hpp"
#include "menus/PauseMenu.hpp"
#include "presentation/CaptionFont.hpp"
#include "presentation/RecordCaption.hpp"
#include "presentation/RuleHints.hpp"
#include "presentation/StatusDisplay.hpp"
#include "presentation/VolumeNotice.hpp"
#include "resources/MediaFiles.hpp"
#include "screens/MenuButtons.hpp"
#include "session/Adjustments.hpp"
#include "session/KeyCapture.hpp"
#include "sound/MasterVolume.hpp"
#include "support/Catalogues.hpp"
#include "support/TestSession.hpp"
#include "support/WorkingDirectory.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Utf.hpp>

namespace
{
// The captions keep this far from the field's edges.
constexpr float Margin = 14.f;
constexpr float Right = Field::Width - Margin;
} // namespace

// Every letter of every translation, and of every language's own name, is one
// the font that draws them holds.
TEST(Translations, TheFontHoldsEveryLetter)
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    const std::string font = (TestFolders::withMedia() / MediaFiles::DigitalTech).string();
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    ASSERT_EQ(FT_New_Face(library, font.c_str(), 0, &face), 0) << font;
    std::vector<std::pair<std::string, std::string>> texts;
    for (const Translation::Language& each : Translation::languages())
        texts.emplace_back(each.code, each.name);
    for (const std::string& language : Catalogues::languages())
    {
        const auto messages = Catalogues::read(language);
        EXPECT_FALSE(messages.empty()) << language << ": no catalogue was built";
        for (const auto& message : messages)
            texts.emplace_back(language, message.second);
    }
    for (const auto& [language, words] : texts)
    {
        std::vector<sf::Uint32> letters;
        sf::Utf8::toUtf32(words.begin(), words.end(), std::back_inserter(letters));
        for (sf::Uint32 letter : letters)
            EXPECT_TRUE(letter == '\n' || FT_Get_Char_Index(face, letter) != 0)
                << language << ": the font has no U+" << std::hex << letter << ", in \"" << words
                << '"';
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

// Every text the game writes over its screens, in every language, at its size
// and with large text, stays within its row, its column or its panel.
TEST(Translations, EveryTextFitsItsRowOrPanel)
{
    const ScopedWorkingDirectory inBuild(TestFolders::withMedia());
    std::vector<std::string> languages = Catalogues::languages();
    languages.push_back("en");
    for (const std::string& language : languages)
        for (bool large : {false, true})
        {
            ScopedLanguage speaking(language);
            sf::RenderWindow window;
            TestSession session(window);
            ScreenContext& context = session.context();
            const sf::Font& font = context.captionFont.get();
            std::vector<MenuPage::Line> lines;
            const auto page = [&](const MenuPage& each)
            {
                const auto more = each.lines(font, true);
                lines.insert(lines.end(), more.begin(), more.end());
            };
            // The options as they come, then every switch on and the language by
            // its name: the values at their widest; over a game the Mode page asks.
            for (bool switchesOn : {false, true})
            {
                SettingValues values = context.preferences.values();
                values.hitSound = values.labelEdge = values.lossHold = values.muted = switchesOn;
                values.reduceFlashing = values.shotShapes = switchesOn;
                values.fireMode = switchesOn ? FireMode::Toggle : FireMode::Hold;
                values.gameSpeed = switchesOn ? 50 : 100;
                values.largeText = large;
                values.language = switchesOn ? language : "system";
                context.adjustments.change(values);
                // With the Replays page, as over the title menu: the longest first page.
                const OptionsMenu options(context, nullptr, switchesOn, [](ReplayReader) {});
                for (const MenuPage& each : options.pages())
                    page(each);
            }
            // The Keys page asks in its heading's place, with the longest key names.
            Source key, alt, pad, unknown;
            key.code = sf::Keyboard::Subtract, alt.code = sf::Keyboard::Enter, alt.alt = true;
            pad.device = Device::Pad, pad.code = 31;
            std::vector<std::string> questions = {
                KeyCapture::refusal(KeyCapture::Outcome::StickOnly, pad)};
            for (const Source& each : {key, alt, pad, unknown})
                questions.push_back(KeyCapture::refusal(KeyCapture::Outcome::Kept, each));
            for (KeyBindings::Action action : KeyBindings::Actions)
                questions.push_back(KeyCapture::question(action));
            MenuPage asking("", {});
            asking.setLarge(large);
            for (const std::string& question : questions)
                asking.setPrompt(question), page(asking);
            // The pause's entries, below the first level's rule line, its title and its line.
            PauseMenu pause(context, nullptr);
            page(pause.entries());
            const sf::Text firstRule = RuleHints::firstLevelRule(font, large);
            const sf::FloatRect rule = firstRule.getGlobalBounds();
            for (const MenuPage::Line& line : pause.entries().lines(font))
                EXPECT_GT(line.text.getGlobalBounds().top, rule.top + rule.height)
                    << language << (large ? ", large" : "");
            for (const char* resumeKey : {"BACKSPACE", "START"})
            {
                pause.setResumeKey(resumeKey);
                lines.push_back({pause.overlay().getTitle(), Margin, Right});
                lines.push_back({pause.overlay().getHint(), Margin, Right});
            }
            for (const sf::Text& hint : {firstRule, RuleHints::gameOverKeys(font, false, large),
                                         RuleHints::gameOverKeys(font, true, large)})
                lines.push_back({hint, Margin, Right});
            for (const RecordCaption& caption :
                 {RecordCaption::forMenu(font, 999999, large),
                  RecordCaption::forMenu(font, 999999, large, PlayRules{PlayMode::Relaxed, {}}),
                  RecordCaption::forGameOver(font, {999, 999, true}, large, PlayMode::Relaxed)})
                for (const sf::Text& line : caption.lines())
                    lines.push_back({line, Margin, Right});
            // The sound's word stays right of the boss's bar, 250 to 550 across the top.
            VolumeNotice notice;
            for (bool muted : {true, false})
            {
                notice.show(MasterVolume(muted, MasterVolume::Loudest), font, large);
                lines.push_back({notice.getText(), 556.f, Field::Width});
            }
            // The play's corners: "Practice" under the label, the speed on the right half,
            // clear of the bonuses' row, and large, the boss's word left of its bar and
            // right of a two-digit level's plate.
            const sf::Texture none;
            StatusDisplay status(none, none, none, font, none);
            status.setLarge(large);
            status.setSpeed(50);
            status.show(1.f, {});
            status.showReserves(std::nullopt);
            lines.push_back({status.unlimitedReserves(), 0.f, Field::Width / 2.f});
            lines.push_back({*status.speed(), Field::Width / 2.f, Field::Width});
            if (const sf::Text* boss = status.bossLabel())
                lines.push_back({*boss, 160.f, status.bossBar()->first.getPosition().x});
            const sf::FloatRect area = MenuButtons::optionsArea();
            lines.push_back({MenuButtons::optionsLabel(font, false), area.left + 3.f,
                             area.left + area.width - 3.f});
            for (const MenuPage::Line& line : lines)
            {
                const sf::FloatRect box = line.text.getGlobalBounds();
                const auto utf8 = line.text.getString().toUtf8();
                EXPECT_LE(box.top + box.height, static_cast<float>(Field::Height))
                    << language << (large ? ", large: " : ": ")
                    << std::string(utf8.begin(), utf8.end());
                EXPECT_TRUE(box.left >= line.left && box.left + box.width <= line.right)
                    << language << (large ? ", large" : "") << ": \""
                    << std::string(utf8.begin(), utf8.end()) << "\" spans " << box.left << " to "
                    << box.left + box.width << ", its room " << line.left << " to " << line.right;
            }
        }
}
