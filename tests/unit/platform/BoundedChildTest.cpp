#include "platform/BoundedChild.hpp"

#include "resources/MediaFiles.hpp"
#include "resources/MediaTrial.hpp"
#include "resources/MediaVerdicts.hpp"
#include "support/CraftedMedia.hpp"
#include "support/ResidentMemory.hpp"
#include "support/WorkingDirectory.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

namespace
{
using BoundedChild::End;

// A file made to pass one limit, put through the game's trial in a child.
struct LimitCase
{
    const char* name;
    MediaTrial::Kind kind;
    std::function<CraftedMedia::Bytes()> make;
    std::set<End> ends; // where a limit makes the decoder fail, rather than the child
};

const LimitCase Cases[] = {
    {"GoodImage",
     MediaTrial::Kind::Image,
     []
     {
         std::ifstream in(TestFolders::withMedia() / MediaFiles::PlayerShip, std::ios::binary);
         return CraftedMedia::Bytes(std::istreambuf_iterator<char>(in), {});
     },
     {End::Passed}},
    // 1.4 GB to inflate: the decoder's allocation fails, or the watch kills it.
    {"Memory",
     MediaTrial::Kind::Image,
     [] { return CraftedMedia::pngInflatingTo(1400000000); },
     {End::Refused, End::OutOfMemory}},
    // Six seconds of decoding.
    {"Time",
     MediaTrial::Kind::Image,
     [] { return CraftedMedia::jpegWithEmptyScans(2048, 1000); },
     {End::OutOfTime}},
    // 8 MB on the stack, or a sanitizer's report of it.
    {"Signal",
     MediaTrial::Kind::SoundBuffer,
     [] { return CraftedMedia::vorbisWithCodebooks(1, 20); },
     {End::Crashed}},
};

class ChildLimits : public ::testing::TestWithParam<LimitCase>
{
};

TEST_P(ChildLimits, EachLimitEndsTheChildOfTheFileMadeToPassIt)
{
    const LimitCase& limitCase = GetParam();
    const TemporaryFolder folder("child-limits");
    const std::string file = (folder / "file").string();
    std::ofstream(file, std::ios::binary) << limitCase.make();
    const std::uint64_t before = static_cast<std::uint64_t>(ResidentMemory::currentKiB()) << 10;

    const BoundedChild::Outcome outcome = BoundedChild::run(
        [&] { return MediaTrial::passes(limitCase.kind, file); }, MediaVerdicts::TrialLimits);

    EXPECT_EQ(limitCase.ends.count(outcome.end), 1u) << static_cast<int>(outcome.end);
    // The watch of a sanitized build looks every few milliseconds: some room for that.
    EXPECT_LT(outcome.peakResidentBytes,
              before + MediaVerdicts::TrialLimits.memoryBytes + (64u << 20));
}

INSTANTIATE_TEST_SUITE_P(FileMadeToPassEach, ChildLimits, ::testing::ValuesIn(Cases),
                         [](const auto& each) { return std::string(each.param.name); });
} // namespace
