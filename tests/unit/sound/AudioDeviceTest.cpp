#include "sound/AudioDevice.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// OpenAL Soft reads its driver list once, when SFML first opens the device,
// so each probe runs in a fresh process of its own and answers by its status.
void probeWithDrivers(const char* drivers)
{
    setenv("ALSOFT_DRIVERS", drivers, 1);
    std::exit(AudioDevice::isOpen() ? 0 : 1);
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
