// SFML aborts the process when its first connection to the X server fails. On
// a loaded machine a test process can start while the server is briefly not
// accepting connections, so every test executable waits for the display first.
#include <gtest/gtest.h>

// After gtest: Xlib defines macros (None, Bool) that gtest uses as names.
#include <X11/Xlib.h>

#include <chrono>
#include <thread>

namespace
{
class DisplayReady : public ::testing::Environment
{
public:
    void SetUp() override
    {
        for (int attempt = 0; attempt < 100; ++attempt)
        {
            if (Display* display = XOpenDisplay(nullptr))
            {
                XCloseDisplay(display);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
};

[[maybe_unused]] ::testing::Environment* const gDisplayReady =
    ::testing::AddGlobalTestEnvironment(new DisplayReady);
} // namespace
