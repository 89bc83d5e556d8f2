#include "support/ScopedXdgHome.hpp"

namespace
{
// No test may read or write the files the game keeps for the person running
// the tests: every program built with the test support (test programs, the
// soak runner) runs in a home folder of its own, made before main and removed
// when the program ends.
const ScopedXdgHome gIsolatedHome;
} // namespace
