#include "support/ScopedXdgHome.hpp"

#include <cstdlib>
#include <optional>

namespace
{
// No test may read or write the files the game keeps for the person running
// the tests: every program built with the test support (test programs, the
// soak runner) runs in a home folder of its own, made before main and removed
// when the program ends. A death test's child runs the program again and dies
// without removing anything; it inherits its parent's home and makes none.
class IsolatedHome
{
public:
    IsolatedHome()
    {
        if (std::getenv(Marker) != nullptr)
            return;
        mHome.emplace();
        mHome->set(Marker, "1");
    }

private:
    static constexpr const char* Marker = "VANTORIX_TEST_HOME_MADE";
    std::optional<ScopedXdgHome> mHome;
};

const IsolatedHome gIsolatedHome;
} // namespace
