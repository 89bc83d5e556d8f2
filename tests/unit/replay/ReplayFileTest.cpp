#include "replay/ReplayReader.hpp"
#include "replay/ReplayWriter.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
Replay::Header someHeader()
{
    Replay::Header header;
    header.gameVersion = "Vantorix 1.0.0";
    header.generator = RandomState::current();
    header.startLevel = 3;
    header.shipCount = 2;
    header.fireRate = 3.5f;
    header.speed = 480.f;
    header.killCount = 5;
    return header;
}

// A first frame of 16 µs (its time in one byte), a key going down before a
// pause, one frame as the one before but slowed, and the last, with a check.
std::vector<Replay::Frame> someFrames()
{
    std::vector<Replay::Frame> frames(3);
    frames[0].micros = 16;
    frames[0].key = sf::Keyboard::Left;
    frames[0].pressed = true;
    frames[0].digest = 0xA55A;
    frames[1].micros = 16667;
    frames[1].key = sf::Keyboard::Left;
    frames[1].pressed = true;
    frames[1].pace = 70;
    frames[2].micros = 3600000000LL; // an hour's stall
    frames[2].key = sf::Keyboard::Up;
    frames[2].pausedBefore = true;
    frames[2].keysLetGo = true;
    frames[2].check = Replay::Check{7, 0x0123456789ABCDEFULL};
    frames[2].ending = Replay::Ending::Lost;
    return frames;
}

std::string replayOf(const std::vector<Replay::Frame>& frames)
{
    ReplayWriter writer(someHeader());
    for (const Replay::Frame& frame : frames)
        writer.add(frame);
    return writer.bytes();
}

const std::size_t HeaderSize = ReplayWriter(someHeader()).bytes().size();
// Where each field of the header starts.
const std::size_t Generator = 4 + 2 + 1 + 14;
const std::size_t Mode = Generator + 128;
} // namespace

TEST(ReplayFile, WhatIsWrittenReadsBackFrameByFrameAndAgainAfterARewind)
{
    std::string fault;
    auto replay = ReplayReader::open(replayOf(someFrames()), fault);
    ASSERT_TRUE(replay) << fault;
    const Replay::Header& header = replay->header();
    EXPECT_EQ(header.gameVersion, "Vantorix 1.0.0");
    EXPECT_EQ(header.generator, someHeader().generator);
    EXPECT_EQ(header.startLevel, 3);
    EXPECT_EQ(header.shipCount, 2);
    EXPECT_EQ(header.fireRate, 3.5f);
    EXPECT_EQ(header.speed, 480.f);
    EXPECT_EQ(header.killCount, 5);
    EXPECT_EQ(replay->frameCount(), 3u);
    EXPECT_EQ(replay->playedMicros(), 3600016683LL);
    EXPECT_EQ(replay->ending(), Replay::Ending::Lost);

    for (int pass = 0; pass < 2; ++pass)
    {
        for (const Replay::Frame& expected : someFrames())
        {
            Replay::Frame read;
            ASSERT_TRUE(replay->next(read));
            EXPECT_EQ(read.micros, expected.micros);
            EXPECT_EQ(read.key, expected.key);
            EXPECT_EQ(read.pressed, expected.pressed);
            EXPECT_EQ(read.pausedBefore, expected.pausedBefore);
            EXPECT_EQ(read.keysLetGo, expected.keysLetGo);
            EXPECT_EQ(read.pace, expected.pace);
            EXPECT_EQ(read.digest, expected.digest);
            EXPECT_EQ(read.check, expected.check);
            EXPECT_EQ(read.ending, expected.ending);
        }
        Replay::Frame past;
        EXPECT_FALSE(replay->next(past));
        replay->rewind();
    }
}

// Ten minutes at 60 frames a second, the frames' times wavering, a key
// changing twice a second and a check every two seconds.
TEST(ReplayFile, TenMinutesOfPlayTakeLessThan200KB)
{
    ReplayWriter writer(someHeader());
    for (int i = 0; i < 36000; ++i)
    {
        Replay::Frame frame;
        frame.micros = 16667 + (i * 7919) % 600 - 300;
        frame.key = i % 60 < 30 ? sf::Keyboard::Left : sf::Keyboard::Right;
        frame.pressed = true;
        frame.digest = static_cast<std::uint16_t>(i * 7919);
        if (i % 120 == 0)
            frame.check = Replay::Check{1 + i / 4000, 0xFEDCBA9876543210ULL + i};
        if (i == 35999)
            frame.ending = Replay::Ending::Left;
        writer.add(frame);
    }
    EXPECT_LT(writer.bytes().size(), 200u * 1024);
}

namespace
{
struct Damage
{
    const char* name;
    std::function<void(std::string& bytes)> edit;
    const char* fault;
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

void putFloat(std::string& bytes, std::size_t at, std::uint32_t bits)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(bits >> (8 * i));
}

class DamagedReplay : public ::testing::TestWithParam<Damage>
{
};
} // namespace

TEST_P(DamagedReplay, IsRefusedInOneLineNamingWhatIsWrong)
{
    std::string bytes = replayOf(someFrames());
    GetParam().edit(bytes);
    std::string fault;
    EXPECT_FALSE(ReplayReader::open(bytes, fault));
    EXPECT_NE(fault.find(GetParam().fault), std::string::npos) << fault;
    EXPECT_EQ(fault.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    ReplayFile, DamagedReplay,
    ::testing::Values(
        Damage{"Empty", [](std::string& b) { b.clear(); }, "not a Vantorix replay"},
        Damage{"AnotherFile", [](std::string& b) { b[0] = 'P'; }, "not a Vantorix replay"},
        Damage{"NewerFormat", [](std::string& b) { b[4] = 2; }, "format (2)"},
        Damage{"CutInTheVersion", [](std::string& b) { b.resize(10); }, "game version"},
        Damage{"LineBreakInTheVersion", [](std::string& b) { b[9] = '\n'; }, "game version"},
        Damage{"VersionClaimingMegabytes", [](std::string& b) { b[6] = '\xff'; }, "game version"},
        Damage{"GeneratorOfAnotherKind", [](std::string& b) { b[Generator] = 4; }, "generator"},
        Damage{"GeneratorRearPastItsTable",
               [](std::string& b) { b[Generator] = static_cast<char>(3 + 5 * 31); }, "generator"},
        Damage{"UnknownMode", [](std::string& b) { b[Mode] = 3; }, "mode"},
        Damage{"StartLevelZero", [](std::string& b) { b[Mode + 1] = 0; }, "level"},
        Damage{"HundredAndOneShips", [](std::string& b) { b[Mode + 2] = 101; }, "starting values"},
        Damage{"FireRateNotANumber", [](std::string& b) { putFloat(b, Mode + 3, 0x7FC00000); },
               "starting values"},
        Damage{"NegativeSpeed", [](std::string& b) { putFloat(b, Mode + 7, 0xC3C80000); },
               "starting values"},
        Damage{"NoFrames", [](std::string& b) { b.resize(HeaderSize); },
               "frame 1: it is cut short"},
        Damage{"PaceBelowHalf",
               [](std::string& b)
               {
                   auto frames = someFrames();
                   frames[1].pace = 40;
                   b = replayOf(frames);
               },
               "frame 2: it is cut short or damaged"},
        Damage{"EndlessNumber", [](std::string& b) { b.replace(HeaderSize, 1, 11, '\xff'); },
               "frame 1: it is cut short"},
        Damage{"NegativeTime",
               [](std::string& b)
               {
                   auto frames = someFrames();
                   frames[1].micros = -1;
                   b = replayOf(frames);
               },
               "frame 2: its time is out of range"},
        Damage{"DayLongFrame",
               [](std::string& b)
               {
                   auto frames = someFrames();
                   frames[2].micros = Replay::LongestFrameMicros + 1;
                   b = replayOf(frames);
               },
               "frame 3: its time is out of range"},
        Damage{"UnknownEnding", [](std::string& b) { b.back() = 2; }, "frame 3: it is cut short"},
        Damage{"CutInTheLastFrame", [](std::string& b) { b.pop_back(); }, "frame 3: it is cut"},
        Damage{"BytesAfterTheLastFrame", [](std::string& b) { b += 'x'; }, "bytes follow"}),
    [](const ::testing::TestParamInfo<Damage>& each) { return std::string(each.param.name); });
