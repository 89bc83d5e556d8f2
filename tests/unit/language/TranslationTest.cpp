#include "language/Translation.hpp"
#include "config/CommandLine.hpp"
#include "config/Preferences.hpp"
#include "session/Adjustments.hpp"
#include "support/Catalogues.hpp"
#include "support/TestSession.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderWindow.hpp>

#include <clocale>
#include <sstream>

namespace
{
// The build's catalogue's words for the English ones, which stand without one.
std::string spoken(const std::string& language, const std::string& english)
{
    for (const auto& [original, translated] : Catalogues::read(language))
        if (original == english)
            return translated;
    return english;
}
} // namespace

// The environment's language, one chosen in the options (at once), and English
// for a language without a catalogue or without catalogues at all. Only the
// messages and the characters follow the locale: numbers read the same in all.
TEST(Translation, SpeaksTheChosenLanguageAndEnglishWithoutACatalogue)
{
    ASSERT_NE(spoken("de", "Sound off"), "Sound off");
    const TemporaryFolder none;
    setenv("LC_NUMERIC", "C.UTF-8", 1);
    const struct
    {
        const char *environment, *chosen, *speaks;
        bool catalogues;
    } cases[] = {{"de", "system", "de", true},  {"de_DE.UTF-8", "system", "de", true},
                 {"xx", "system", "en", true},  {"xx:pt_BR", "system", "pt_BR", true},
                 {"de", "system", "en", false}, {"de", "fr", "fr", true},
                 {"de", "en", "en", true},      {"de", "xx", "en", true},
                 {"de", "pt_BR", "pt_BR", true}};
    for (const auto& each : cases)
    {
        ScopedLanguage speaking(each.environment,
                                each.catalogues ? Catalogues::folder() : none.path());
        sf::RenderWindow window;
        TestSession session(window);
        SettingValues values = session.context().preferences.values();
        values.language = each.chosen;
        session.context().adjustments.change(values);
        EXPECT_EQ(tr("Sound off"), spoken(each.speaks, "Sound off"))
            << each.environment << each.chosen;
        EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    }
    unsetenv("LC_NUMERIC");
    EXPECT_STREQ(tr("Sound off"), "Sound off");
}

TEST(Translation, FillPutsTheValuesWhereTheSentenceSays)
{
    // The last two: a missing value, and what a damaged catalogue might hold.
    const std::pair<const char*, const char*> cases[] = {{"%s \u00b7 %s", "4 \u00b7 7"},
                                                         {"%2$s, %1$s", "7, 4"},
                                                         {"100%% %s", "100% 4"},
                                                         {"%s %s %s", "4 7 "},
                                                         {"%9$s|%d|%n|%", "|%d|%n|%"}};
    for (const auto& [sentence, filled] : cases)
        EXPECT_EQ(fill(sentence, {"4", "7"}), filled) << sentence;
}

// --help in every language: no line wider than a terminal's 79 columns.
TEST(Translation, TheUsageFitsATerminalInEveryLanguage)
{
    for (const std::string& language : Catalogues::languages())
    {
        ScopedLanguage speaking(language);
        std::istringstream usage(CommandLine::usage());
        for (std::string line; std::getline(usage, line);)
            EXPECT_LE(sf::String::fromUtf8(line.begin(), line.end()).getSize(), 79u) << line;
    }
}
