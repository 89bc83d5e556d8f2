#include "support/FrameScript.hpp"

#include <atomic>
#include <thread>
#include <utility>

namespace
{
FrameScript::Hook gHook;
std::atomic<std::thread::id> gHookThread{};
} // namespace

FrameScript::AfterEachFrame::AfterEachFrame(Hook hook) : mPrevious(std::move(gHook))
{
    gHook = std::move(hook);
    gHookThread = std::this_thread::get_id();
}

FrameScript::AfterEachFrame::~AfterEachFrame()
{
    gHook = std::move(mPrevious);
}

void FrameScript::afterFrame(sf::Window& window)
{
    if (gHook && gHookThread.load() == std::this_thread::get_id())
    {
        // A copy: the hook may replace itself.
        const FrameScript::Hook hook = gHook;
        hook(window);
    }
}
