#include "sound/AudioDevice.hpp"

#include <gtest/gtest.h>

#include <SFML/Audio/Sound.hpp>
#include <SFML/System/Err.hpp>

#include <cstdlib>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

namespace
{
// OpenAL Soft reads its driver list once, when SFML first opens the device,
// so each probe runs in a fresh process of its own and answers by its status.
void probeWithDrivers(const char* drivers)
{
    setenv("ALSOFT_DRIVERS", drivers, 1);
    std::exit(AudioDevice::isOpen() ? 0 : 1);
}

// Sounds made and turned up frame after frame with no device: SFML reports
// every failed call. Each report is one line, given once; other messages pass.
void playWithoutADevice()
{
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    std::ostringstream out;
    AudioDevice::reportEachFailureOnce(out);
    for (int frame = 0; frame < 3; ++frame)
    {
        sf::Sound sound;
        sound.setVolume(sound.getVolume() / 2);
        sf::err() << "Failed to load image \"x.png\". Reason: Unable to open file" << std::endl;
    }
    std::istringstream lines(out.str());
    std::set<std::string> reports;
    int others = 0;
    for (std::string line; std::getline(lines, line);)
        if (line.find("Failed to load image") == 0)
            ++others;
        else if (!reports.insert(line).second ||
                 (line.rfind("An internal OpenAL call failed in ", 0) != 0 &&
                  line != "Failed to open the audio device"))
            std::exit(2);
    std::cerr << reports.size() << " reports" << std::endl;
    std::exit(others == 3 && reports.count("Failed to open the audio device") == 1 ? 0 : 1);
}
} // namespace

class AudioDeviceProbe : public ::testing::Test
{
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(AudioDeviceProbe, ReportsTheNullOutputAsOpen)
{
    EXPECT_EXIT(probeWithDrivers("null"), ::testing::ExitedWithCode(0), "");
}

TEST_F(AudioDeviceProbe, ReportsAMissingDriverAsClosed)
{
    EXPECT_EXIT(probeWithDrivers("no-such-driver"), ::testing::ExitedWithCode(1), "");
}

TEST_F(AudioDeviceProbe, ReportsEachFailureWithoutADeviceOnceInOneLine)
{
    EXPECT_EXIT(playWithoutADevice(), ::testing::ExitedWithCode(0), "[1-9][0-9]* reports");
}
