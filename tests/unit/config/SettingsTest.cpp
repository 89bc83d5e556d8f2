#include "config/Settings.hpp"
#include "config/SettingsTable.hpp"

#include "support/KeptFileFixture.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using Values = Settings::Values;

// The defaults with one change.
Values with(const std::function<void(Values&)>& change)
{
    Values values;
    change(values);
    return values;
}

using Action = KeyBindings::Action;

TEST(SettingsText, EachLineCountsAloneAndWhatIsNotKnownIsKept)
{
    const Values chosen = with(
        [](Values& v)
        {
            v = Values{true, 35, true};
            v.music = 20;
            v.effects = 0;
            v.maxFps = 144;
            v.keys.setKeys(Action::Fire, {sf::Keyboard::Z, sf::Keyboard::LShift});
            v.keys.setPadButtons(Action::Pause, {9});
        });
    const auto again = Settings::parse(Settings::format(chosen, {"colour = blue"}));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->values, chosen);
    EXPECT_EQ(again->values.keys.keys(Action::Fire),
              (std::vector<sf::Keyboard::Key>{sf::Keyboard::Z, sf::Keyboard::LShift}))
        << "a binding takes the place of the keys before it";
    EXPECT_EQ(again->unknown, std::vector<std::string>{"colour = blue"});
    EXPECT_TRUE(again->problems.empty());

    const struct
    {
        std::string text;
        Values values;
        std::vector<std::string> badLines; // named by the problems, in turn
    } cases[] = {
        {"", Values{}, {}},
        {"[vantorix]\n; note\n  volume=0  \r\nmuted = yes\n", Values{true, 0, false}, {}},
        {"colour = blue\nfullscreen = on\n", Values{false, 100, true}, {}},
        {"\xEF\xBB\xBFvolume = 40\n", Values{false, 40, false}, {}},
        {"volume = loud\nmusic = 40\n", with([](Values& v) { v.music = 40; }), {"volume = loud"}},
        {"volume = 101\nmuted = yes\n", Values{true, 100, false}, {"volume = 101"}},
        {"volume = -1\n", Values{}, {"volume = -1"}},
        {"volume = 99999999999999\n", Values{}, {"volume = 99999999999999"}},
        {"volume =\n", Values{}, {"volume ="}},
        {"muted = perhaps\n", Values{}, {"muted = perhaps"}},
        {"just some words\n", Values{}, {"just some words"}},
        {"effects = 0\nmax-fps = 60\n", with([](Values& v) { v.effects = 0, v.maxFps = 60; }), {}},
        {"max-fps = 1001\n", Values{}, {"max-fps = 1001"}},
        {"fire = Z\nleft = A\n",
         with(
             [](Values& v)
             {
                 v.keys.setKeys(Action::Fire, {sf::Keyboard::Z}),
                     v.keys.setKeys(Action::Left, {sf::Keyboard::A});
             }),
         {}},
        {"left = Z\nfire = Z,Num1\n",
         with(
             [](Values& v) {
                 v.keys.setKeys(Action::Fire, {sf::Keyboard::Z, sf::Keyboard::Num1});
             }),
         {"left was left without a key"}},
        {"fire = Mouse\n", Values{}, {"fire = Mouse"}},
        {"fire = M\n", Values{}, {"fire = M"}},
        // No action is left without a key: one whose keys another line took
        // keeps its default, and so does one given none.
        {"right = Space\nfire = Up, Space\n", Values{}, {"right was left without a key"}},
        {"left = Right\n", Values{}, {"right was left", "left was left"}},
        {"left = Right\nright = Left\n",
         with([](Values& v) { v.keys.bind(Action::Left, sf::Keyboard::Right); }),
         {}},
        {"left =\n", Values{}, {"left ="}},
        {"hit-sound = on\nlabel-edge = yes\nloss-hold = 1\n",
         with([](Values& v) { v.hitSound = v.labelEdge = v.lossHold = true; }),
         {}},
        {"pad-fire = 0, 2\n",
         with(
             [](Values& v) {
                 v.keys.setPadButtons(Action::Fire, {0, 2});
             }),
         {}},
        {"reduce-flashing = on\nlarge-text = yes\nshot-shapes = 1\nfire-mode = toggle\n"
         "game-speed = 50\n",
         with(
             [](Values& v)
             {
                 v.reduceFlashing = v.largeText = v.shotShapes = true;
                 v.fireMode = FireMode::Toggle, v.gameSpeed = 50;
             }),
         {}},
        {"game-speed = 75\nfire-mode = Auto\ngame-speed = 40\n",
         Values{},
         {"game-speed = 75", "fire-mode = Auto", "game-speed = 40"}},
        {"pad-fire = 32\n", Values{}, {"pad-fire = 32"}},
        {"pad-left = 1\n", Values{}, {}}, // unknown: kept, not used
    };
    for (const auto& each : cases)
    {
        const auto reading = Settings::parse(each.text);
        ASSERT_TRUE(reading) << each.text;
        EXPECT_EQ(reading->values, each.values) << each.text;
        ASSERT_EQ(reading->problems.size(), each.badLines.size()) << each.text;
        for (std::size_t i = 0; i < each.badLines.size(); ++i)
            EXPECT_NE(reading->problems[i].find(each.badLines[i]), std::string::npos)
                << reading->problems[i];
    }
    EXPECT_FALSE(Settings::parse(std::string("muted = true\n\0", 14)));
    // The touches the game adds to play are off until chosen.
    EXPECT_FALSE(Values{}.hitSound || Values{}.labelEdge || Values{}.lossHold);
    EXPECT_FALSE(Values{}.reduceFlashing || Values{}.largeText || Values{}.shotShapes);
    EXPECT_EQ(Values{}.fireMode, FireMode::Hold);
    EXPECT_EQ(Values{}.gameSpeed, 100);

    // What the game writes it always reads back whole: unknown lines that would
    // make the file too large for it are left out.
    const std::vector<std::string> many(4000, "colour = a long line of some newer game's");
    const std::string written = Settings::format(chosen, many);
    EXPECT_LE(written.size(), Settings::LargestFile);
    const auto back = Settings::parse(written);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->values, chosen);
}

// Every row of the table, the ones to come too: its default written and read
// back, a value one step away kept, and a value it cannot use refused in one
// line that names it, the row keeping its default.
TEST(SettingsTableRows, EachRowReadsBackWhatItWritesAndRefusesNonsense)
{
    for (const SettingsTable::Row& row : SettingsTable::rows())
    {
        SCOPED_TRACE(row.key);
        Values changed;
        if (row.turn)
            row.turn(changed, -1);
        else
            row.read(row.key.rfind("pad-", 0) == 0 ? "5" : "Q", changed);
        EXPECT_FALSE(row.same(changed, Values{})) << "a step changes the value";
        for (const Values& values : {Values{}, changed})
        {
            const auto back = Settings::parse(Settings::format(values));
            ASSERT_TRUE(back);
            EXPECT_TRUE(row.same(back->values, values));
            EXPECT_TRUE(back->problems.empty());
        }
        const auto refused = Settings::parse(row.key + " = \x01nonsense\n");
        ASSERT_TRUE(refused);
        EXPECT_TRUE(row.same(refused->values, Values{}));
        ASSERT_EQ(refused->problems.size(), 1u);
        EXPECT_NE(refused->problems[0].find(row.key), std::string::npos);
        EXPECT_EQ(refused->problems[0].find('\x01'), std::string::npos) << "shown escaped";
    }
}

class SettingsFile : public KeptFileFixture
{
protected:
    SettingsFile() : KeptFileFixture(KeptFile::Place::Config, "settings.ini") {}

    Settings mSettings;
};

// A file refused as a whole is set aside, never written over: the player's
// work in it is not lost to the next change.
TEST_F(SettingsFile, UnusableFilesMeanTheDefaultsAndOneLine)
{
    const struct
    {
        std::string contents;
        bool setAside;
    } unusable[] = {{"muted = sometimes\n", false},
                    {std::string(5000, 'x'), false},
                    {"volume = 20\n" + std::string(70000, '#'), true},
                    {std::string("volume = 20\n\0", 13), true}};
    for (const auto& each : unusable)
    {
        fs::remove(path().string() + ".bad");
        plant("volume = 20\n");
        mSettings.load(mProblems);
        plant(each.contents);
        std::ostringstream problems;
        mSettings.load(problems);
        EXPECT_EQ(mSettings.values(), Values{});
        EXPECT_NE(problems.str().find(path().string()), std::string::npos) << problems.str();
        EXPECT_EQ(problems.str().find('\n'), problems.str().size() - 1) << problems.str();
        mSettings.save(Values{true, 10, false}, problems);
        std::ifstream aside(path().string() + ".bad", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}),
                  each.setAside ? each.contents : "");
    }
}

// Two games, or the game and an editor, each keep what they changed.
TEST_F(SettingsFile, SavingKeepsWhatAnotherCopyChangedSince)
{
    plant("volume = 50\nfire = Z\n");
    Settings first;
    Settings second;
    first.load(mProblems);
    second.load(mProblems);
    Values louder = first.values();
    louder.volume = 90;
    first.save(louder, mProblems);
    Values windowed = second.values();
    windowed.fullscreen = true;
    windowed.keys.bind(Action::Left, sf::Keyboard::A);
    second.save(windowed, mProblems);

    Settings next;
    next.load(mProblems);
    EXPECT_EQ(next.values().volume, 90);
    EXPECT_TRUE(next.values().fullscreen);
    EXPECT_EQ(next.values().keys.keys(Action::Left),
              std::vector<sf::Keyboard::Key>{sf::Keyboard::A});
    EXPECT_EQ(next.values().keys.keys(Action::Fire),
              std::vector<sf::Keyboard::Key>{sf::Keyboard::Z});
    EXPECT_EQ(mProblems.str(), "");
}

// The README and the manual page name every setting the game keeps.
TEST(SettingsDocumentation, NamesEverySetting)
{
    for (const char* document : {"README.md", "packaging/vantorix.6.in"})
    {
        std::ifstream in(std::string(VANTORIX_SOURCE_DIR) + "/" + document);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        ASSERT_FALSE(text.empty()) << document;
        for (const SettingsTable::Row& row : SettingsTable::rows())
        {
            std::string name = row.key;
            if (std::string(document) != "README.md")
                for (std::size_t dash = name.find('-'); dash != std::string::npos;
                     dash = name.find('-', dash + 2))
                    name.replace(dash, 1, "\\-");
            EXPECT_NE(text.find(name), std::string::npos) << row.key << " in " << document;
        }
    }
}

TEST_F(SettingsFile, AChangeIsRememberedForTheNextRun)
{
    mSettings.load(mProblems);
    EXPECT_FALSE(fs::exists(path()));
    mSettings.save(Values{}, mProblems);
    EXPECT_FALSE(fs::exists(path())) << "nothing changed, nothing written";

    mSettings.save(Values{true, 60, false}, mProblems);
    Settings nextRun;
    nextRun.load(mProblems);
    EXPECT_EQ(nextRun.values(), (Values{true, 60, false}));
    EXPECT_EQ(mProblems.str(), "");
}

// A folder in the way, or a settings file that cannot be read (a pipe, which
// a rename would replace as readily as a file not ours to read): the game plays
// on as chosen, says so once, and leaves what is there as it is.
TEST_F(SettingsFile, WhatCannotBeWrittenOrReadCostsOnlyTheRememberingInOneLine)
{
    for (const bool pipeInItsPlace : {false, true})
    {
        std::ostringstream problems;
        if (pipeInItsPlace)
        {
            fs::remove_all(folder());
            fs::create_directories(folder());
            ASSERT_EQ(::mkfifo(path().c_str(), 0600), 0);
        }
        else
            blockFolder();
        Settings settings;
        settings.load(problems);
        settings.save(Values{true, 100, false}, problems);
        settings.save(Values{false, 100, true}, problems);
        EXPECT_EQ(settings.values(), (Values{false, 100, true}));
        EXPECT_EQ(problems.str().find('\n'), problems.str().size() - 1) << problems.str();
        EXPECT_TRUE(!pipeInItsPlace || fs::is_fifo(path()));
    }
}
} // namespace
