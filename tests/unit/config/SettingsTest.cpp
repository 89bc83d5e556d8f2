#include "config/Settings.hpp"

#include "support/KeptFileFixture.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{
namespace fs = std::filesystem;
using Values = Settings::Values;

TEST(SettingsText, ReadsWhatItWritesAndSkipsWhatItDoesNotKnow)
{
    const Values chosen{true, 35, true};
    EXPECT_EQ(Settings::parse(Settings::format(chosen)), chosen);

    const struct
    {
        std::string text;
        std::optional<Values> values;
    } cases[] = {
        {"", Values{}},
        {"[vantorix]\n; note\n  volume=0  \r\nmuted = yes\n", Values{true, 0, false}},
        {"colour = blue\nfullscreen = on\n", Values{false, 100, true}},
        {"\xEF\xBB\xBFvolume = 40\n", Values{false, 40, false}},
        {"volume = 101\n", std::nullopt},
        {"volume = -1\n", std::nullopt},
        {"volume = 99999999999999\n", std::nullopt},
        {"volume =\n", std::nullopt},
        {"muted = perhaps\n", std::nullopt},
        {"just some words\n", std::nullopt},
        {std::string("muted = true\n\0", 14), std::nullopt},
    };
    for (const auto& each : cases)
        EXPECT_EQ(Settings::parse(each.text), each.values) << each.text;
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

TEST_F(SettingsFile, AFolderThatCannotBeWrittenCostsOnlyTheRememberingInOneLine)
{
    blockFolder();
    mSettings.load(mProblems);
    mSettings.save(Values{true, 100, false}, mProblems);
    mSettings.save(Values{false, 100, true}, mProblems);
    EXPECT_EQ(mSettings.values(), (Values{false, 100, true}));
    EXPECT_EQ(mProblems.str().find('\n'), mProblems.str().size() - 1) << mProblems.str();
}
} // namespace
