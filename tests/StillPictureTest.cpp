#include "screens/StillPicture.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr int Neutral = 1;
constexpr int PlayLit = 2;

struct Ask
{
    int picture;
    bool disturbFirst;
    bool draws;
    const char* what;
};
} // namespace

TEST(StillPicture, DrawsOnlyWhenThePictureChangesOrWhileTheWindowSettles)
{
    static_assert(StillPicture::DrawsAfterDisturbance == 3, "the table counts three draws");
    const std::vector<Ask> asks = {
        {Neutral, false, true, "first frame"},
        {Neutral, false, false, "unchanged"},
        {Neutral, false, false, "still unchanged"},
        {PlayLit, false, true, "another picture"},
        {PlayLit, false, false, "rests on it"},
        {Neutral, false, true, "back to the first"},
        {Neutral, true, true, "disturbed"},
        {Neutral, false, true, "the window settling"},
        {Neutral, false, true, "the window settling, last"},
        {Neutral, false, false, "settled"},
        {PlayLit, true, true, "disturbed and changed"},
        {Neutral, false, true, "changed while settling"},
        {Neutral, false, true, "settling, last"},
        {Neutral, false, false, "settled again"},
    };
    StillPicture still;
    for (const Ask& ask : asks)
    {
        if (ask.disturbFirst)
            still.disturb();
        EXPECT_EQ(still.needsDrawing(ask.picture), ask.draws) << ask.what;
    }
}

TEST(StillPicture, UnchangedPictureIsDrawnAgainAfterASecondOfRests)
{
    StillPicture still;
    ASSERT_TRUE(still.needsDrawing(Neutral));
    for (int skip = 1; skip <= StillPicture::SkipsBetweenRefreshes; ++skip)
        ASSERT_FALSE(still.needsDrawing(Neutral)) << "skip " << skip;
    EXPECT_TRUE(still.needsDrawing(Neutral));
    EXPECT_FALSE(still.needsDrawing(Neutral)) << "the count starts again";
    EXPECT_EQ(StillPicture::SkipsBetweenRefreshes * StillPicture::RestMilliseconds, 1000);
}
