#pragma once

namespace DisplayCheck
{
// True when a window can be opened at all. SFML itself aborts the process
// when there is no display to connect to.
bool isDisplayAvailable();
} // namespace DisplayCheck
