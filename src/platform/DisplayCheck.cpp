#include "platform/DisplayCheck.hpp"

#include <X11/Xlib.h>

#include <memory>

namespace
{
struct CloseDisplay
{
    void operator()(Display* display) const { XCloseDisplay(display); }
};

// The probe's connection stays open until the program ends: if it were the
// server's only client, closing it would make the server reset, and while it
// resets it refuses the connection SFML opens next, which SFML answers by
// aborting.
std::unique_ptr<Display, CloseDisplay> gProbe;
} // namespace

bool DisplayCheck::isDisplayAvailable()
{
    if (!gProbe)
        gProbe.reset(XOpenDisplay(nullptr));
    return gProbe != nullptr;
}
