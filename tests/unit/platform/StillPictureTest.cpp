#include "platform/StillPicture.hpp"
#include "support/TestWindow.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr int Neutral = 1;
constexpr int PlayLit = 2;

// A new window is drawn while it settles; then it is left alone.
void settle(StillPicture& still, const sf::Window& window)
{
    for (int draw = 0; draw < 10 && still.needsDrawing(Neutral, window); ++draw)
    {
    }
}

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
    settle(still, TestWindow::shared());
    for (const Ask& ask : asks)
    {
        if (ask.disturbFirst)
            still.disturb();
        EXPECT_EQ(still.needsDrawing(ask.picture, TestWindow::shared()), ask.draws) << ask.what;
    }
}

TEST(StillPicture, UnchangedPictureIsDrawnAgainAfterASecondOfRests)
{
    const sf::Window& window = TestWindow::shared();
    StillPicture still;
    settle(still, window); // ends on the first skip
    for (int skip = 2; skip <= StillPicture::SkipsBetweenRefreshes; ++skip)
        ASSERT_FALSE(still.needsDrawing(Neutral, window)) << "skip " << skip;
    EXPECT_TRUE(still.needsDrawing(Neutral, window));
    EXPECT_FALSE(still.needsDrawing(Neutral, window)) << "the count starts again";
    EXPECT_EQ(StillPicture::SkipsBetweenRefreshes * StillPicture::RestMilliseconds, 1000);
}

// A resize or a switch to fullscreen (which makes a new window) leaves the
// picture the same but not the window: it is drawn while the window settles.
TEST(StillPicture, ANewSizeOrANewWindowIsDrawnWhileItSettles)
{
    sf::RenderWindow window(sf::VideoMode(200, 200), "Vantorix test");
    StillPicture still;
    const auto drawsWhileSettling = [&]
    {
        for (int draw = 1; draw <= StillPicture::DrawsAfterDisturbance; ++draw)
            if (!still.needsDrawing(Neutral, window))
                return false;
        return !still.needsDrawing(Neutral, window);
    };
    EXPECT_TRUE(drawsWhileSettling()) << "first frames";
    window.setSize(sf::Vector2u(300, 200));
    EXPECT_TRUE(drawsWhileSettling()) << "resized";
    window.create(sf::VideoMode(300, 200), "Vantorix test");
    EXPECT_TRUE(drawsWhileSettling()) << "made anew at the same size";
}
