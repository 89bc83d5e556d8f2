#include "config/CommandLine.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using Args = std::vector<std::string>;

struct Refused
{
    const char* name;
    Args arguments;
    std::string named; // the error line must name what was wrong
};

void PrintTo(const Refused& refused, std::ostream* out)
{
    for (const std::string& argument : refused.arguments)
        *out << ::testing::PrintToString(argument) << ' ';
}

class RefusedCommandLine : public ::testing::TestWithParam<Refused>
{
};

TEST_P(RefusedCommandLine, NamesTheOffendingArgument)
{
    const CommandLine::Result result = CommandLine::parse(GetParam().arguments);
    ASSERT_FALSE(result.isValid());
    EXPECT_NE(result.error.find(GetParam().named), std::string::npos) << result.error;
    for (const char c : result.error)
        EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f)
            << "a control character: " << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    BadValuesAndUnknownOptions, RefusedCommandLine,
    ::testing::Values(
        Refused{"VolumeAbove100", {"--volume", "150"}, "150"},
        Refused{"VolumeNotANumber", {"--volume", "loud"}, "loud"},
        Refused{"VolumeNegative", {"--volume", "-1"}, "-1"},
        Refused{"VolumeWithPlus", {"--volume", "+5"}, "+5"},
        Refused{"VolumeNotWhole", {"--volume", "5.5"}, "5.5"},
        Refused{"VolumeEmpty", {"--volume", ""}, "--volume"},
        Refused{"VolumeMissing", {"--volume"}, "--volume"},
        Refused{"VolumeAbove100Joined", {"--volume=101"}, "101"},
        Refused{"MaxFpsZero", {"--max-fps", "0"}, "0"},
        Refused{"MaxFpsAbove1000", {"--max-fps", "1001"}, "1001"},
        Refused{"MaxFpsOverflowing", {"--max-fps", "99999999999999999999"}, "99999999999999999999"},
        Refused{"MaxFpsMissing", {"--max-fps"}, "--max-fps"},
        Refused{"ReplayWithoutFile", {"--replay"}, "--replay"},
        Refused{"ReplayGivenNothing", {"--verify-replay="}, "--verify-replay"},
        Refused{"UnknownOption", {"--loud"}, "--loud"}, Refused{"NotAnOption", {"play"}, "play"},
        Refused{"FlagGivenAValue", {"--mute=yes"}, "--mute"},
        Refused{"UnknownBeforeHelp", {"--mute", "--bogus", "--help"}, "--bogus"},
        Refused{"LineBreakInAValue", {"--volume", "7\nvantorix: all is well"}, "\\x0a"},
        Refused{"EscapeSequenceInAFlagGivenAValue", {"--\x1b[2Jx=1"}, "\"--\\x1b[2Jx\""},
        Refused{"C1ControlInUtf8", {"--x\xc2\x9b"}, "--x\\xc2\\x9b"},
        Refused{"ByteThatIsNotUtf8", {"--x\x9b"}, "--x\\x9b"},
        Refused{"Utf8ShownAsItIs", {"--v\xc3\xb3lume"}, "--v\xc3\xb3lume"}),
    [](const ::testing::TestParamInfo<Refused>& each) { return std::string(each.param.name); });

TEST(CommandLineOptions, NothingGivenPlaysWithEveryChoiceLeftOpen)
{
    const CommandLine::Result result = CommandLine::parse(Args{});
    ASSERT_TRUE(result.isValid());
    EXPECT_EQ(result.options.action, Options::Action::Play);
    EXPECT_FALSE(result.options.fullscreen || result.options.muted || result.options.volume ||
                 result.options.maxFps);
}

TEST(CommandLineOptions, ValuesAtTheirLimitsAreTakenInBothSpellings)
{
    const CommandLine::Result result =
        CommandLine::parse(Args{"--volume", "0", "--max-fps=1000", "--mute", "--fullscreen"});
    ASSERT_TRUE(result.isValid()) << result.error;
    EXPECT_EQ(result.options.volume, 0);
    EXPECT_EQ(result.options.maxFps, 1000u);
    EXPECT_EQ(result.options.muted, true);
    EXPECT_EQ(result.options.fullscreen, true);

    EXPECT_EQ(CommandLine::parse(Args{"--volume=100"}).options.volume, 100);
    EXPECT_EQ(CommandLine::parse(Args{"--max-fps", "1"}).options.maxFps, 1u);
    EXPECT_EQ(CommandLine::parse(Args{"--replay", "a.vxr"}).options.replay, "a.vxr");
    EXPECT_EQ(CommandLine::parse(Args{"--verify-replay=--b.vxr"}).options.replay, "--b.vxr");
}

TEST(CommandLineOptions, TheLaterOfFullscreenAndWindowedWins)
{
    EXPECT_EQ(CommandLine::parse(Args{"--fullscreen", "--windowed"}).options.fullscreen, false);
    EXPECT_EQ(CommandLine::parse(Args{"--windowed", "--fullscreen"}).options.fullscreen, true);
}

TEST(CommandLineOptions, HelpOutranksVersionWhichOutranksTheMediaCheck)
{
    const struct
    {
        Args arguments;
        Options::Action action;
    } cases[] = {
        {{"--check-media", "--version", "--help"}, Options::Action::ShowHelp},
        {{"--help", "--check-media"}, Options::Action::ShowHelp},
        {{"--check-media", "--version"}, Options::Action::ShowVersion},
        {{"--mute", "--check-media"}, Options::Action::CheckMedia},
        {{"--verify-replay", "a.vxr", "--check-media"}, Options::Action::CheckMedia},
        {{"--verify-replay", "a.vxr"}, Options::Action::VerifyReplay},
        {{"--replay", "a.vxr"}, Options::Action::Play},
        {{"-h"}, Options::Action::ShowHelp},
    };
    for (const auto& each : cases)
        EXPECT_EQ(CommandLine::parse(each.arguments).options.action, each.action)
            << each.arguments.front();
}

TEST(CommandLineOptions, UsageListsEveryOptionAndVersionNamesTheGame)
{
    const std::string usage = CommandLine::usage();
    for (const char* option :
         {"--fullscreen", "--windowed", "--mute", "--volume", "--max-fps", "--replay",
          "--verify-replay", "--check-media", "--help", "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    EXPECT_EQ(CommandLine::version().rfind("Vantorix ", 0), 0u);
}
} // namespace
