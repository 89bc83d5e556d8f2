// SFML aborts the process when its connection to the X server fails. On a
// loaded machine a test process can meet a server that briefly refuses
// connections, so the test executables retry: this definition of
// XOpenDisplay takes the place of Xlib's (as the test clock does for
// sf::Clock) and hands the call on until it succeeds or a few seconds pass.
#include <X11/Xlib.h>

#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <thread>

extern "C" Display* XOpenDisplay(const char* name)
{
    using Open = Display* (*)(const char*);
    static const Open xlibOpen = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "XOpenDisplay"));
    for (int attempt = 1;; ++attempt)
    {
        if (Display* display = xlibOpen(name))
            return display;
        if (attempt == 50)
            return nullptr;
        std::fprintf(stderr, "X display refused a connection (attempt %d); retrying\n", attempt);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
