#pragma once

#include <chrono>
#include <functional>
#include <thread>

// Events sent through X arrive asynchronously; poll until they have been seen.
// This waits on the X server, never on a game timer.
inline bool pumpUntil(const std::function<void()>& poll, const std::function<bool()>& done)
{
    for (int attempt = 0; attempt < 400; ++attempt)
    {
        poll();
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}
