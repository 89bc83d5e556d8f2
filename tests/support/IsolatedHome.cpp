#include "support/ScopedXdgHome.hpp"

#include <gtest/gtest.h>

namespace
{
// No test may read or write the files the game keeps for the person running
// the tests: every test program starts in a home folder of its own, removed
// when the program ends.
class IsolatedHome : public ::testing::Environment
{
public:
    void SetUp() override { mHome = std::make_unique<ScopedXdgHome>(); }
    void TearDown() override { mHome.reset(); }

private:
    std::unique_ptr<ScopedXdgHome> mHome;
};

const ::testing::Environment* const gIsolatedHome =
    ::testing::AddGlobalTestEnvironment(new IsolatedHome);
} // namespace
