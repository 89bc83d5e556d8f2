#include "support/FakeFocus.hpp"

#include <atomic>

namespace
{
std::atomic<bool> gFocused{true};
}

void FakeFocus::set(bool focused)
{
    gFocused = focused;
}

bool FakeFocus::isFocused()
{
    return gFocused;
}
