#include "app/DisplayCheck.hpp"

#include <X11/Xlib.h>

bool DisplayCheck::isDisplayAvailable()
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
    return true;
}
