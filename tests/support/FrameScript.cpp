#include "support/FrameScript.hpp"

#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

namespace
{
FrameScript::Hook gHook;
std::atomic<std::thread::id> gHookThread{};

using Display = void (*)(sf::Window*);

Display libraryDisplay()
{
    static const Display display =
        reinterpret_cast<Display>(dlsym(RTLD_NEXT, "_ZN2sf6Window7displayEv"));
    if (display == nullptr)
    {
        std::fprintf(stderr, "FrameScript: sf::Window::display not found in SFML\n");
        std::abort();
    }
    return display;
}
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

// Takes the place of the library's definition for the game's calls at link
// time, and hands on to it.
void sf::Window::display()
{
    libraryDisplay()(this);
    if (gHook && gHookThread.load() == std::this_thread::get_id())
    {
        // A copy: the hook may replace itself.
        const FrameScript::Hook hook = gHook;
        hook(*this);
    }
}
