#include "resources/AudioDevice.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

// OpenAL Soft reads its driver list once, when SFML first opens the device;
// every test case runs in a process of its own, so each may choose.
TEST(AudioDeviceProbe, ReportsTheNullOutputAsOpen)
{
    setenv("ALSOFT_DRIVERS", "null", 1);
    EXPECT_TRUE(AudioDevice::isOpen());
}

TEST(AudioDeviceProbe, ReportsAMissingDriverAsClosed)
{
    setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
    EXPECT_FALSE(AudioDevice::isOpen());
}
