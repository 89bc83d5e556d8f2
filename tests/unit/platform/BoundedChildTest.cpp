#include "platform/BoundedChild.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/MediaTrial.hpp"
#include "resources/MediaVerdicts.hpp"
#include "support/DamagedMedia.hpp"
#include "support/ResidentMemory.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
using BoundedChild::End;
using DamagedMedia::Damage;

// A file made to pass one limit, put through the game's trial in a child.
struct LimitCase
{
    const char* name;
    const char* file;
    Damage damage;
    MediaTrial::Kind kind;
    std::set<End> ends; // a limit makes the decoder fail, or ends the child
};

const LimitCase Cases[] = {
    // Inflates to 1.4 GB: the decoder's allocation fails, or the watch stops it.
    {"Memory",
     MediaFiles::WindowIcon,
     Damage::PngInflatingHuge,
     MediaTrial::Kind::Image,
     {End::Refused, End::OutOfMemory}},
    {"Time",
     MediaFiles::LoseScreen,
     Damage::JpegThousandScans,
     MediaTrial::Kind::Image,
     {End::OutOfTime}}, // six seconds of decoding
    {"Signal",
     MediaFiles::Laser,
     Damage::OggHugeCodebook,
     MediaTrial::Kind::SoundBuffer,
     {End::Crashed}}, // 8 MB on the stack, or a sanitizer's report of it
};

class ChildLimits : public ::testing::TestWithParam<LimitCase>
{
};

TEST_P(ChildLimits, EachLimitEndsTheChildOfTheFileMadeToPassIt)
{
    const LimitCase& limit = GetParam();
    const TemporaryFolder folder =
        DamagedMedia::makeCopy(TestFolders::withMedia(), limit.file, limit.damage);
    const std::string file = (folder / limit.file).string();
    const auto before = static_cast<std::uint64_t>(ResidentMemory::currentKiB()) << 10;
    // The trial's limits, but for the real time, which a busy machine would
    // take up before the processor time.
    BoundedChild::Limits limits = MediaVerdicts::TrialLimits;
    limits.realTime = std::chrono::minutes(1);
    const BoundedChild::Outcome outcome =
        BoundedChild::run([&] { return MediaTrial::passes(limit.kind, file); }, limits);
    EXPECT_EQ(limit.ends.count(outcome.end), 1u) << static_cast<int>(outcome.end);
    // A sanitized build's watch looks every few milliseconds: some room for that.
    EXPECT_LT(outcome.peakResidentBytes,
              before + MediaVerdicts::TrialLimits.memoryBytes + (64u << 20));
}

INSTANTIATE_TEST_SUITE_P(FileMadeToPassEach, ChildLimits, ::testing::ValuesIn(Cases),
                         [](const auto& each) { return std::string(each.param.name); });
} // namespace
