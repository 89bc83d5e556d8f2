#include "platform/RandomState.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// Leaves the generator of the test program as the case found it.
class RandomStateKept : public ::testing::Test
{
protected:
    ~RandomStateKept() override { mBefore.restore(); }

    RandomState mBefore = RandomState::current();
};
} // namespace

TEST_F(RandomStateKept, TakingACopyChangesNoDrawAndPuttingItBackDrawsTheSameAgain)
{
    std::srand(7);
    const int first = std::rand();
    const int second = std::rand();

    std::srand(7);
    const RandomState copy = RandomState::current();
    EXPECT_EQ(std::rand(), first);
    EXPECT_EQ(std::rand(), second);
    std::rand();
    copy.restore();
    EXPECT_EQ(std::rand(), first);
    EXPECT_EQ(std::rand(), second);
    // Put back twice, from a restored table: the same again.
    copy.restore();
    EXPECT_EQ(std::rand(), first);
}

TEST(RandomState, OnlyWordsTheDefaultGeneratorCanDrawFromAreTaken)
{
    const struct
    {
        std::int32_t first;
        bool taken;
    } cases[] = {
        {3, true},           // the default kind, rear at the start
        {3 + 5 * 30, true},  // rear at the last word
        {3 + 5 * 31, false}, // rear past the table
        {4, false},          // another kind
        {0, false},          // the linear kind, which has no table
        {-2, false},
    };
    for (const auto& each : cases)
    {
        RandomState::Words32 words{};
        words[0] = each.first;
        EXPECT_EQ(RandomState::fromWords(words).has_value(), each.taken) << each.first;
    }
}
