#include "config/Settings.hpp"

#include "support/KeptFileFixture.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
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
        const char* badLine; // named by the one problem, if any
    } cases[] = {
        {"", Values{}, nullptr},
        {"[vantorix]\n; note\n  volume=0  \r\nmuted = yes\n", Values{true, 0, false}, nullptr},
        {"colour = blue\nfullscreen = on\n", Values{false, 100, true}, nullptr},
        {"\xEF\xBB\xBFvolume = 40\n", Values{false, 40, false}, nullptr},
        {"volume = loud\nmusic = 40\n", with([](Values& v) { v.music = 40; }), "volume = loud"},
        {"volume = 101\nmuted = yes\n", Values{true, 100, false}, "volume = 101"},
        {"volume = -1\n", Values{}, "volume = -1"},
        {"volume = 99999999999999\n", Values{}, "volume = 99999999999999"},
        {"volume =\n", Values{}, "volume ="},
        {"muted = perhaps\n", Values{}, "muted = perhaps"},
        {"just some words\n", Values{}, "just some words"},
        {"effects = 0\nmax-fps = 60\n", with([](Values& v) { v.effects = 0, v.maxFps = 60; }),
         nullptr},
        {"max-fps = 1001\n", Values{}, "max-fps = 1001"},
        {"fire = Z\nleft = A\n",
         with(
             [](Values& v)
             {
                 v.keys.setKeys(Action::Fire, {sf::Keyboard::Z}),
                     v.keys.setKeys(Action::Left, {sf::Keyboard::A});
             }),
         nullptr},
        {"left = Z\nfire = Z,Num1\n",
         with(
             [](Values& v)
             {
                 v.keys.setKeys(Action::Left, {sf::Keyboard::Z});
                 v.keys.setKeys(Action::Fire, {sf::Keyboard::Z, sf::Keyboard::Num1});
             }),
         nullptr},
        {"fire = Mouse\n", Values{}, "fire = Mouse"},
        {"fire = M\n", Values{}, "fire = M"},
        {"right = Space\nfire = Up, Space\n",
         with([](Values& v) { v.keys.setKeys(Action::Right, {}); }), nullptr},
        {"pad-fire = 0, 2\n",
         with(
             [](Values& v) {
                 v.keys.setPadButtons(Action::Fire, {0, 2});
             }),
         nullptr},
        {"pad-fire = 32\n", Values{}, "pad-fire = 32"},
        {"pad-left = 1\n", Values{}, nullptr}, // unknown: kept, not used
    };
    for (const auto& each : cases)
    {
        const auto reading = Settings::parse(each.text);
        ASSERT_TRUE(reading) << each.text;
        EXPECT_EQ(reading->values, each.values) << each.text;
        ASSERT_EQ(reading->problems.size(), each.badLine ? 1u : 0u) << each.text;
        if (each.badLine)
        {
            EXPECT_NE(reading->problems[0].find(each.badLine), std::string::npos)
                << reading->problems[0];
        }
    }
    EXPECT_FALSE(Settings::parse(std::string("muted = true\n\0", 14)));
}

class SettingsFile : public KeptFileFixture
{
protected:
    SettingsFile() : KeptFileFixture(KeptFile::Place::Config, "settings.ini") {}

    Settings mSettings;
};

TEST_F(SettingsFile, UnusableFilesMeanTheDefaultsAndOneLine)
{
    const std::string unusable[] = {"muted = sometimes\n", std::string(5000, 'x')};
    for (const std::string& contents : unusable)
    {
        plant("volume = 20\n");
        mSettings.load(mProblems);
        plant(contents);
        std::ostringstream problems;
        mSettings.load(problems);
        EXPECT_EQ(mSettings.values(), Values{});
        EXPECT_NE(problems.str().find(path().string()), std::string::npos) << problems.str();
        EXPECT_EQ(problems.str().find('\n'), problems.str().size() - 1) << problems.str();
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
